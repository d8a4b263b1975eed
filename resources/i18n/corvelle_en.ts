<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en_GB">
<context>
    <name></name>
    <message id="AboutGenericMenuItem">
        <source>About %1</source>
        <translation>About %1</translation>
    </message>
    <message id="KeywordStateYes">
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message id="KeywordStateNo">
        <source>No</source>
        <translation>No</translation>
    </message>
    <message id="MediaKindMovie">
        <source>Movie</source>
        <translation>Movie</translation>
    </message>
    <message id="MediaKindShow">
        <source>TV Show</source>
        <translation>TV Show</translation>
    </message>
    <message id="GeneralUserChoiceEnableEditionSidebar">
        <source>Show editing sidebar</source>
        <translation>Show editing sidebar</translation>
    </message>
    <message id="GeneralUserChoiceDisableEditionSidebar">
        <source>Hide editing sidebar</source>
        <translation>Hide editing sidebar</translation>
    </message>
    <message id="GeneralUserChoiceNoNotification">
        <source>No notifications</source>
        <translation>No notifications</translation>
    </message>
    <message id="GeneralUserChoiceAllNotifications">
        <source>Notify when tasks finish</source>
        <translation>Notify when tasks finish</translation>
    </message>
    <message id="GeneralUserChoiceDateStyleNone">
        <source>No date</source>
        <translation>No date</translation>
    </message>
    <message id="GeneralUserChoiceDateStyleShort">
        <source>Short</source>
        <translation>Short</translation>
    </message>
    <message id="GeneralUserChoiceDateStyleMedium">
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message id="GeneralUserChoiceDateStyleLong">
        <source>Long</source>
        <translation>Long</translation>
    </message>
    <message id="GeneralUserChoiceDateStyleFull">
        <source>Full</source>
        <translation>Full</translation>
    </message>
    <message id="GeneralUserChoiceTimeStyleNone">
        <source>No time</source>
        <translation>No time</translation>
    </message>
    <message id="GeneralUserChoiceTimeStyleShort">
        <source>Short</source>
        <translation>Short</translation>
    </message>
    <message id="GeneralUserChoiceTimeStyleMedium">
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message id="GeneralUserChoiceTimeStyleLong">
        <source>Long</source>
        <translation>Long</translation>
    </message>
    <message id="GeneralUserChoiceTimeStyleFull">
        <source>Full</source>
        <translation>Full</translation>
    </message>
    <message id="EditionUserChoiceUpdateFileModifyDateWithEachSave">
        <source>Update with each save</source>
        <translation>Update with each save</translation>
    </message>
    <message id="EditionUserChoiceUpdateFileModifyDateManually">
        <source>Update only on request</source>
        <translation>Update only on request</translation>
    </message>
    <message id="GeneralUserChoicePresetGroupsShow">
        <source>Show groups</source>
        <translation>Show groups</translation>
    </message>
    <message id="GeneralUserChoicePresetGroupsHide">
        <source>Hide groups</source>
        <translation>Hide groups</translation>
    </message>
    <message id="EditionUserChoiceCorrectionsNone">
        <source>No corrections</source>
        <translation>No corrections</translation>
    </message>
    <message id="EditionUserChoiceCorrectionsFix">
        <source>Fix invalid offsets</source>
        <translation>Fix invalid offsets</translation>
    </message>
    <message id="EditionUserChoiceErrorsAlertDisplay">
        <source>Show an alert</source>
        <translation>Show an alert</translation>
    </message>
    <message id="EditionUserChoiceErrorsAlertIgnore">
        <source>Don’t alert</source>
        <translation>Don’t alert</translation>
    </message>
    <message id="EditionUserChoiceErrorsBehaviorStop">
        <source>Stop at the first error</source>
        <translation>Stop at the first error</translation>
    </message>
    <message id="EditionUserChoiceErrorsBehaviorContinue">
        <source>Continue after errors</source>
        <translation>Continue after errors</translation>
    </message>
    <message id="EditionUserChoiceIPTCDigestIgnore">
        <source>Leave unchanged</source>
        <translation>Leave unchanged</translation>
    </message>
    <message id="EditionUserChoiceIPTCDigestDelete">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="EditionUserChoiceIPTCDigestUpdate">
        <source>Always update</source>
        <translation>Always update</translation>
    </message>
    <message id="EditionUserChoiceIPTCDigestUpdateIfExists">
        <source>Update if present</source>
        <translation>Update if present</translation>
    </message>
    <message id="EditionUserChoiceErrorsIPTCCharSetNone">
        <source>Unspecified</source>
        <translation>Unspecified</translation>
    </message>
    <message id="EditionUserChoiceErrorsIPTCCharSetUTF8">
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message id="ReducedTagSetUserChoiceAll">
        <source>All tags</source>
        <translation>All tags</translation>
    </message>
    <message id="ReducedTagSetUserChoiceChoosen">
        <source>Chosen tags</source>
        <translation>Chosen tags</translation>
    </message>
    <message id="ReducedTagSetUserChoicePopular">
        <source>Popular tags</source>
        <translation>Popular tags</translation>
    </message>
    <message id="MapUserChoiceDisplayFilename">
        <source>Show file names</source>
        <translation>Show file names</translation>
    </message>
    <message id="MapUserChoiceHideFilename">
        <source>Hide file names</source>
        <translation>Hide file names</translation>
    </message>
    <message id="MapUserChoiceDisplayOtherItems">
        <source>Show unselected files</source>
        <translation>Show unselected files</translation>
    </message>
    <message id="MapUserChoiceHideOtherItems">
        <source>Hide unselected files</source>
        <translation>Hide unselected files</translation>
    </message>
    <message id="TaskUnexpectedFailure">
        <source>The task stopped unexpectedly: %1</source>
        <translation>The task stopped unexpectedly: %1</translation>
    </message>
    <message id="ExifToolArgumentError">
        <source>“%1” cannot be passed to ExifTool: empty file names, command words and names or values that hold a line break together with “$” or “@” are not supported.</source>
        <translation>“%1” cannot be passed to ExifTool: empty file names, command words and names or values that hold a line break together with “$” or “@” are not supported.</translation>
    </message>
    <message id="ExifToolNotStartedError">
        <source>ExifTool (“%1”) could not be started: %2. Check that ExifTool is installed.</source>
        <translation>ExifTool (“%1”) could not be started: %2. Check that ExifTool is installed.</translation>
    </message>
    <message id="ExifToolCancelledError">
        <source>The ExifTool command was cancelled because ExifTool is shutting down.</source>
        <translation>The ExifTool command was cancelled because ExifTool is shutting down.</translation>
    </message>
    <message id="ExifToolCrashedError">
        <source>ExifTool crashed while working on this command. It will be restarted for the next one.</source>
        <translation>ExifTool crashed while working on this command. It will be restarted for the next one.</translation>
    </message>
    <message id="ExifToolExitedError">
        <source>ExifTool quit unexpectedly (exit code %1) while working on this command. It will be restarted for the next one.</source>
        <translation>ExifTool quit unexpectedly (exit code %1) while working on this command. It will be restarted for the next one.</translation>
    </message>
    <message id="ExifToolTimedOutError">
        <source>ExifTool did not answer within %1 seconds and was stopped. It will be restarted for the next command.</source>
        <translation>ExifTool did not answer within %1 seconds and was stopped. It will be restarted for the next command.</translation>
    </message>
    <message id="ExifToolFileReadError">
        <source>“%1” could not be read: %2</source>
        <translation>“%1” could not be read: %2</translation>
    </message>
    <message id="ExifToolBadAnswerError">
        <source>ExifTool's answer for “%1” could not be understood.</source>
        <translation>ExifTool's answer for “%1” could not be understood.</translation>
    </message>
    <message id="ExifToolNoAnswerError">
        <source>ExifTool gave no information about “%1”.</source>
        <translation>ExifTool gave no information about “%1”.</translation>
    </message>
    <message id="ExifToolBadTagNameError">
        <source>“%1” is not a valid tag name.</source>
        <translation>“%1” is not a valid tag name.</translation>
    </message>
    <message id="SaveTagEditorsTaskTitle">
        <source>Saving edited files</source>
        <translation>Saving edited files</translation>
    </message>
    <message id="SaveTagEditorsTaskDescription">
        <source>Writing the edits into %1 files</source>
        <translation>Writing the edits into %1 files</translation>
    </message>
    <message id="SaveFileMissingError">
        <source>“%1” was not saved: the file no longer exists.</source>
        <translation>“%1” was not saved: the file no longer exists.</translation>
    </message>
    <message id="SaveNotAFileError">
        <source>“%1” was not saved: it is not a file.</source>
        <translation>“%1” was not saved: it is not a file.</translation>
    </message>
    <message id="SaveFileReadOnlyError">
        <source>“%1” was not saved: the file is read-only.</source>
        <translation>“%1” was not saved: the file is read-only.</translation>
    </message>
    <message id="SaveFolderReadOnlyError">
        <source>“%1” was not saved: its folder “%2” is read-only.</source>
        <translation>“%1” was not saved: its folder “%2” is read-only.</translation>
    </message>
    <message id="SaveBackupError">
        <source>“%1” was not saved: no backup copy could be made in “%2” (%3).</source>
        <translation>“%1” was not saved: no backup copy could be made in “%2” (%3).</translation>
    </message>
    <message id="SaveFileError">
        <source>“%1” was not saved: %2</source>
        <translation>“%1” was not saved: %2</translation>
    </message>
    <message id="SaveExifToolWarning">
        <source>“%1”: ExifTool warns: %2</source>
        <translation>“%1”: ExifTool warns: %2</translation>
    </message>
    <message id="SaveTagsNotWrittenError">
        <source>“%1” was saved, but these edits are not in it (the file format cannot hold them, or ExifTool refused the value): %2. They stay unsaved.</source>
        <translation>“%1” was saved, but these edits are not in it (the file format cannot hold them, or ExifTool refused the value): %2. They stay unsaved.</translation>
    </message>
    <message id="SaveRereadError">
        <source>“%1” was saved, but could not be read again: %2</source>
        <translation>“%1” was saved, but could not be read again: %2</translation>
    </message>
    <message id="SaveStoppedError">
        <source>“%1” was not saved: saving stopped at an earlier error.</source>
        <translation>“%1” was not saved: saving stopped at an earlier error.</translation>
    </message>
    <message id="ImportTagEditorsTaskTitle">
        <source>Opening files</source>
        <translation>Opening files</translation>
    </message>
    <message id="ImportTagEditorsTaskDescription">
        <source>Reading the tags of %1 item(s)</source>
        <translation>Reading the tags of %1 item(s)</translation>
    </message>
    <message id="ImportNotLocalFileError">
        <source>“%1” is not a file on this computer.</source>
        <translation>“%1” is not a file on this computer.</translation>
    </message>
    <message id="ImportFileNotFoundError">
        <source>“%1” could not be found.</source>
        <translation>“%1” could not be found.</translation>
    </message>
    <message id="ImportUnsupportedFileTypeError">
        <source>“%1” is not of a file type Corvelle opens.</source>
        <translation>“%1” is not of a file type Corvelle opens.</translation>
    </message>
    <message id="ImportTruncatedFileError">
        <source>“%1” is damaged: %2</source>
        <translation>“%1” is damaged: %2</translation>
    </message>
    <message id="ImportFileTypeMismatchError">
        <source>“%1” holds a file of type %2, not %3 as its name says.</source>
        <translation>“%1” holds a file of type %2, not %3 as its name says.</translation>
    </message>
    <message id="ImportStoppedAfterErrorMessage">
        <source>Opening stopped after a file that could not be read.</source>
        <translation>Opening stopped after a file that could not be read.</translation>
    </message>
</context>
</TS>
