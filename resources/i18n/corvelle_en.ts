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
    <message id="SearchTagsMenuRecents">
        <source>Recent Searches</source>
        <translation>Recent Searches</translation>
    </message>
    <message id="SearchTagsMenuRecentSearches">
        <source>Recent Searches</source>
        <translation>Recent Searches</translation>
    </message>
    <message id="SearchTagsMenuItem">
        <source>Recent Search</source>
        <translation>Recent Search</translation>
    </message>
    <message id="SearchTagsMenuClearMenu">
        <source>Clear Recent Searches</source>
        <translation>Clear Recent Searches</translation>
    </message>
    <message id="SearchTagsMenuNoRecentSearches">
        <source>No Recent Searches</source>
        <translation>No Recent Searches</translation>
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
    <message id="ExifToolCopyNotCreatedError">
        <source>No new copy of “%1” could be written in its folder “%2”, so the file was left as it was.</source>
        <translation>No new copy of “%1” could be written in its folder “%2”, so the file was left as it was.</translation>
    </message>
    <message id="ExifToolWriteError">
        <source>“%1” could not be written (%2).</source>
        <translation>“%1” could not be written (%2).</translation>
    </message>
    <message id="ExifToolReplaceError">
        <source>The new copy of “%1” could not replace it (%2), so the file was left as it was.</source>
        <translation>The new copy of “%1” could not replace it (%2), so the file was left as it was.</translation>
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
    <message id="DateEditionSelectValueTitle">
        <source>Set Date</source>
        <translation>Set Date</translation>
    </message>
    <message id="DateEditionUpdateValueTitle">
        <source>Change Components</source>
        <translation>Change Components</translation>
    </message>
    <message id="DateEditionShiftValueTitle">
        <source>Shift Components</source>
        <translation>Shift Components</translation>
    </message>
    <message id="DateEditionRestoreValueTitle">
        <source>Restore Date</source>
        <translation>Restore Date</translation>
    </message>
    <message id="DateEditionRemoveValueTitle">
        <source>Remove Date</source>
        <translation>Remove Date</translation>
    </message>
    <message id="DateEditionSelectDescription">
        <source>Set to %1</source>
        <translation>Set to %1</translation>
    </message>
    <message id="DateEditionUpdateDescription">
        <source>Change to %1</source>
        <translation>Change to %1</translation>
    </message>
    <message id="DateEditionShiftDescription">
        <source>Shift by %1 (years:months:days hours:minutes:seconds)</source>
        <translation>Shift by %1 (years:months:days hours:minutes:seconds)</translation>
    </message>
    <message id="DateEditionRestoreDescription">
        <source>Restore the original date</source>
        <translation>Restore the original date</translation>
    </message>
    <message id="DateEditionRemoveDescription">
        <source>Remove the date</source>
        <translation>Remove the date</translation>
    </message>
    <message id="FileReadError">
        <source>The file “%1” cannot be read: %2.</source>
        <translation>The file “%1” cannot be read: %2.</translation>
    </message>
    <message id="FileFolderError">
        <source>“%1” is a folder, not a file.</source>
        <translation>“%1” is a folder, not a file.</translation>
    </message>
    <message id="FileFolderCreationError">
        <source>The file “%1” could not be written: its folder “%2” cannot be created.</source>
        <translation>The file “%1” could not be written: its folder “%2” cannot be created.</translation>
    </message>
    <message id="FileWriteError">
        <source>The file “%1” could not be written: %2. The previous file, if any, was left as it was.</source>
        <translation>The file “%1” could not be written: %2. The previous file, if any, was left as it was.</translation>
    </message>
    <message id="FileShortWriteError">
        <source>The file “%1” could not be written: only %2 of %3 bytes were written. Is the disk full? The previous file, if any, was left as it was.</source>
        <translation>The file “%1” could not be written: only %2 of %3 bytes were written. Is the disk full? The previous file, if any, was left as it was.</translation>
    </message>
    <message id="LibraryFileEmptyError">
        <source>The library file “%1” is empty.</source>
        <translation>The library file “%1” is empty.</translation>
    </message>
    <message id="LibraryFileJSONError">
        <source>The library file “%1” is damaged: it is not valid JSON (%2 at line %3, column %4).</source>
        <translation>The library file “%1” is damaged: it is not valid JSON (%2 at line %3, column %4).</translation>
    </message>
    <message id="LibraryFileTopContentError">
        <source>The library file “%1” is damaged: it does not hold what the library stores.</source>
        <translation>The library file “%1” is damaged: it does not hold what the library stores.</translation>
    </message>
    <message id="LibraryFileWrongValueError">
        <source>The library file “%1” is damaged: the value at “%2” is of the wrong kind.</source>
        <translation>The library file “%1” is damaged: the value at “%2” is of the wrong kind.</translation>
    </message>
    <message id="LibraryFileMissingValueError">
        <source>The library file “%1” is damaged: the value at “%2” is missing.</source>
        <translation>The library file “%1” is damaged: the value at “%2” is missing.</translation>
    </message>
    <message id="LibraryFileInvalidValueError">
        <source>The library file “%1” is damaged at “%2”: %3</source>
        <translation>The library file “%1” is damaged at “%2”: %3</translation>
    </message>
    <message id="LibraryFileKeepAsideError">
        <source>The unreadable library file “%1” could not be renamed to “%2” (%3), so it was not replaced.</source>
        <translation>The unreadable library file “%1” could not be renamed to “%2” (%3), so it was not replaced.</translation>
    </message>
    <message id="KeywordFileError">
        <source>The keyword file “%1” cannot be read.</source>
        <translation>The keyword file “%1” cannot be read.</translation>
    </message>
    <message id="KeywordFileEncodingError">
        <source>The keyword file “%1” cannot be read: it is not UTF-8 text.</source>
        <translation>The keyword file “%1” cannot be read: it is not UTF-8 text.</translation>
    </message>
    <message id="KeywordFileIndentedFirstLineError">
        <source>Line %1, column %2: the first keyword must not be indented.</source>
        <translation>Line %1, column %2: the first keyword must not be indented.</translation>
    </message>
    <message id="KeywordFileIndentSkipError">
        <source>Line %1, column %2: the keyword is indented more than one level below the keyword above it.</source>
        <translation>Line %1, column %2: the keyword is indented more than one level below the keyword above it.</translation>
    </message>
    <message id="KeywordFileSpaceIndentError">
        <source>Line %1, column %2: keywords are indented with tabs, not spaces.</source>
        <translation>Line %1, column %2: keywords are indented with tabs, not spaces.</translation>
    </message>
    <message id="KeywordFileTooDeepError">
        <source>Line %1, column %2: keywords cannot be nested deeper than %3 levels.</source>
        <translation>Line %1, column %2: keywords cannot be nested deeper than %3 levels.</translation>
    </message>
    <message id="KeywordFileMissingCharacterError">
        <source>Line %1, column %2: “%3” is missing.</source>
        <translation>Line %1, column %2: “%3” is missing.</translation>
    </message>
    <message id="KeywordFileUnescapedCharacterError">
        <source>Line %1, column %2: write \%3 for a “%3” that is part of a keyword.</source>
        <translation>Line %1, column %2: write \%3 for a “%3” that is part of a keyword.</translation>
    </message>
    <message id="KeywordFileUnexpectedCharacterError">
        <source>Line %1, column %2: unexpected “%3”. Synonyms are written in {braces} after the keyword.</source>
        <translation>Line %1, column %2: unexpected “%3”. Synonyms are written in {braces} after the keyword.</translation>
    </message>
    <message id="KeywordFileOpenQuoteError">
        <source>Line %1, column %2: the quote is not closed.</source>
        <translation>Line %1, column %2: the quote is not closed.</translation>
    </message>
    <message id="KeywordFileUnknownEscapeError">
        <source>Line %1, column %2: “\%3” is not a known escape. Write \\ for a backslash.</source>
        <translation>Line %1, column %2: “\%3” is not a known escape. Write \\ for a backslash.</translation>
    </message>
    <message id="KeywordFileTrailingBackslashError">
        <source>Line %1, column %2: a backslash ends the line. Write \\ for a backslash.</source>
        <translation>Line %1, column %2: a backslash ends the line. Write \\ for a backslash.</translation>
    </message>
    <message id="FileMissingError">
        <source>The file “%1” does not exist.</source>
        <translation>The file “%1” does not exist.</translation>
    </message>
    <message id="RemoteProfileFileError">
        <source>The remote profile file “%1” cannot be imported.</source>
        <translation>The remote profile file “%1” cannot be imported.</translation>
    </message>
    <message id="PhotosAppUnavailableError">
        <source>There is no Photos library on this computer, so remote profiles cannot be applied. They can still be kept, imported and exported.</source>
        <translation>There is no Photos library on this computer, so remote profiles cannot be applied. They can still be kept, imported and exported.</translation>
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
    <message id="SaveFolderHasNoFilesError">
        <source>Nothing was saved for “%1”: the folder holds no file that can be opened here, so its edits were kept.</source>
        <translation>Nothing was saved for “%1”: the folder holds no file that can be opened here, so its edits were kept.</translation>
    </message>
    <message id="SaveUnreadableNameError">
        <source>“%1” was not saved: its name in “%2” is “%3”, which is not UTF-8 text and cannot be carried here, so the folder keeps its edits.</source>
        <translation>“%1” was not saved: its name in “%2” is “%3”, which is not UTF-8 text and cannot be carried here, so the folder keeps its edits.</translation>
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
    <message id="ImportUnreadableNameError">
        <source>“%1” cannot be opened: its name in “%2” is “%3”, which is not UTF-8 text and cannot be carried here, so rename the file to open it.</source>
        <translation>“%1” cannot be opened: its name in “%2” is “%3”, which is not UTF-8 text and cannot be carried here, so rename the file to open it.</translation>
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
    <message id="GeneralPreferencesTitle">
        <source>General</source>
        <translation>General</translation>
    </message>
    <message id="GeneralPreferencesToolTip">
        <source>General preferences</source>
        <translation>General preferences</translation>
    </message>
    <message id="EditionPreferencesTitle">
        <source>Editing</source>
        <translation>Editing</translation>
    </message>
    <message id="EditionPreferencesToolTip">
        <source>How tags are written into files</source>
        <translation>How tags are written into files</translation>
    </message>
    <message id="AdvancedPreferencesTitle">
        <source>Advanced</source>
        <translation>Advanced</translation>
    </message>
    <message id="AdvancedPreferencesToolTip">
        <source>Decoding password, debugging and backups</source>
        <translation>Decoding password, debugging and backups</translation>
    </message>
    <message id="GeneralPreferencesCloseTouchBar">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="PreferencesRestoreDefaultButton">
        <source>Restore Default</source>
        <translation>Restore Default</translation>
    </message>
    <message id="PreferencesRestoreDefaultsButton">
        <source>Restore Defaults</source>
        <translation>Restore Defaults</translation>
    </message>
    <message id="GeneralPreferencesNotificationLabel">
        <source>Finished tasks:</source>
        <translation>Finished tasks:</translation>
    </message>
    <message id="GeneralPreferencesDateStyleLabel">
        <source>Date style:</source>
        <translation>Date style:</translation>
    </message>
    <message id="GeneralPreferencesTimeStyleLabel">
        <source>Time style:</source>
        <translation>Time style:</translation>
    </message>
    <message id="GeneralPreferencesGPSFormatLabel">
        <source>Coordinates:</source>
        <translation>Coordinates:</translation>
    </message>
    <message id="GeneralPreferencesPresetGroupsLabel">
        <source>Preset menu:</source>
        <translation>Preset menu:</translation>
    </message>
    <message id="GeneralPreferencesMapLabel">
        <source>Map:</source>
        <translation>Map:</translation>
    </message>
    <message id="GeneralPreferencesRestoreMapDisplayFilenameButton">
        <source>Hide File Names</source>
        <translation>Hide File Names</translation>
    </message>
    <message id="GeneralPreferencesRestoreMapDisplayFilenameToolTip">
        <source>Restores the default: the map shows no file names beside its pins.</source>
        <translation>Restores the default: the map shows no file names beside its pins.</translation>
    </message>
    <message id="GeneralPreferencesRestoreMapDisplayOtherItemsButton">
        <source>Hide Unselected Files</source>
        <translation>Hide Unselected Files</translation>
    </message>
    <message id="GeneralPreferencesRestoreMapDisplayOtherItemsToolTip">
        <source>Restores the default: the map shows the selected files only.</source>
        <translation>Restores the default: the map shows the selected files only.</translation>
    </message>
    <message id="EditionPreferencesErrorAlertLabel">
        <source>Failed tasks:</source>
        <translation>Failed tasks:</translation>
    </message>
    <message id="EditionPreferencesErrorSupportLabel">
        <source>On errors:</source>
        <translation>On errors:</translation>
    </message>
    <message id="EditionPreferencesCorrectionLabel">
        <source>Corrections:</source>
        <translation>Corrections:</translation>
    </message>
    <message id="EditionPreferencesFileModifyDateLabel">
        <source>File modification date:</source>
        <translation>File modification date:</translation>
    </message>
    <message id="EditionPreferencesIPTCDigestLabel">
        <source>IPTC digest:</source>
        <translation>IPTC digest:</translation>
    </message>
    <message id="EditionPreferencesIPTCCharSetLabel">
        <source>IPTC character set:</source>
        <translation>IPTC character set:</translation>
    </message>
    <message id="EditionPreferencesXMPToolkitLabel">
        <source>XMP toolkit:</source>
        <translation>XMP toolkit:</translation>
    </message>
    <message id="EditionPreferencesXMPToolkitPlaceholder">
        <source>As written by ExifTool</source>
        <translation>As written by ExifTool</translation>
    </message>
    <message id="EditionPreferencesQuickTimeKeysLabel">
        <source>QuickTime Keys:</source>
        <translation>QuickTime Keys:</translation>
    </message>
    <message id="EditionPreferencesQuickTimeItemListLabel">
        <source>QuickTime ItemList:</source>
        <translation>QuickTime ItemList:</translation>
    </message>
    <message id="EditionPreferencesQuickTimeUserDataLabel">
        <source>QuickTime UserData:</source>
        <translation>QuickTime UserData:</translation>
    </message>
    <message id="EditionPreferencesQuickTimeLevelPreferred">
        <source>Write here first</source>
        <translation>Write here first</translation>
    </message>
    <message id="EditionPreferencesQuickTimeLevelAlso">
        <source>Write here too</source>
        <translation>Write here too</translation>
    </message>
    <message id="EditionPreferencesQuickTimeLevelIfNeeded">
        <source>Only when no other block can</source>
        <translation>Only when no other block can</translation>
    </message>
    <message id="EditionPreferencesQuickTimeNote">
        <source>Where a QuickTime tag is written when its name gives no block.</source>
        <translation>Where a QuickTime tag is written when its name gives no block.</translation>
    </message>
    <message id="AdvancedPreferencesPasswordLabel">
        <source>Decoding password:</source>
        <translation>Decoding password:</translation>
    </message>
    <message id="AdvancedPreferencesPasswordPlaceholder">
        <source>None</source>
        <translation>None</translation>
    </message>
    <message id="AdvancedPreferencesRemovePasswordButton">
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message id="AdvancedPreferencesPasswordNote">
        <source>Opens password-protected files. Press Return to keep it in the keychain.</source>
        <translation>Opens password-protected files. Press Return to keep it in the keychain.</translation>
    </message>
    <message id="AdvancedPreferencesKeychainErrorNote">
        <source>Keychain problem: %1</source>
        <translation>Keychain problem: %1</translation>
    </message>
    <message id="AdvancedPreferencesDebuggingModeLabel">
        <source>Debugging mode:</source>
        <translation>Debugging mode:</translation>
    </message>
    <message id="AdvancedPreferencesDebuggingOff">
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message id="AdvancedPreferencesDebuggingOn">
        <source>On</source>
        <translation>On</translation>
    </message>
    <message id="AdvancedPreferencesDebuggingOffNote">
        <source>Hold Alt while choosing On to write the log to a file.</source>
        <translation>Hold Alt while choosing On to write the log to a file.</translation>
    </message>
    <message id="AdvancedPreferencesDebuggingLogFileNote">
        <source>Debugging messages are written to “%1”.</source>
        <translation>Debugging messages are written to “%1”.</translation>
    </message>
    <message id="AdvancedPreferencesDebuggingStandardErrorNote">
        <source>Debugging messages go to the standard error output.</source>
        <translation>Debugging messages go to the standard error output.</translation>
    </message>
    <message id="AdvancedPreferencesDebuggingLogFileErrorNote">
        <source>The log file “%1” could not be opened: %2. Debugging messages go to the standard error output instead.</source>
        <translation>The log file “%1” could not be opened: %2. Debugging messages go to the standard error output instead.</translation>
    </message>
    <message id="AdvancedPreferencesDebuggingLogPanelTitle">
        <source>Save Debugging Log</source>
        <translation>Save Debugging Log</translation>
    </message>
    <message id="AdvancedPreferencesDebuggingLogFileType">
        <source>Text files (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message id="AdvancedPreferencesBackupFolderLabel">
        <source>Backup folder:</source>
        <translation>Backup folder:</translation>
    </message>
    <message id="AdvancedPreferencesShowBackupFolderButton">
        <source>Show in File Manager</source>
        <translation>Show in File Manager</translation>
    </message>
    <message id="AdvancedPreferencesBackupFolderNote">
        <source>Originals are copied here before their tags are first saved.</source>
        <translation>Originals are copied here before their tags are first saved.</translation>
    </message>
    <message id="TagSectionUserTitle">
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message id="TagSetSectionMovie">
        <source>Movie</source>
        <translation>Movie</translation>
    </message>
    <message id="TagSetSectionCredits">
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message id="TagSetSectionTVShow">
        <source>TV Show</source>
        <translation>TV Show</translation>
    </message>
    <message id="TagSetSectionStore">
        <source>Store</source>
        <translation>Store</translation>
    </message>
    <message id="TagSetSectionXMP">
        <source>XMP</source>
        <translation>XMP</translation>
    </message>
    <message id="TagSetSectionDescription">
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message id="TagSetSectionDates">
        <source>Dates</source>
        <translation>Dates</translation>
    </message>
    <message id="TagSetSectionCamera">
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message id="TagSetSectionLocation">
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message id="TagSetSectionRights">
        <source>Rights</source>
        <translation>Rights</translation>
    </message>
    <message id="TagSetFileJSONError">
        <source>The tag-set file “%1” cannot be read: it is not JSON text.</source>
        <translation>The tag-set file “%1” cannot be read: it is not JSON text.</translation>
    </message>
    <message id="TagSetFileTopContentError">
        <source>The tag-set file “%1” cannot be read: it does not hold a tag set.</source>
        <translation>The tag-set file “%1” cannot be read: it does not hold a tag set.</translation>
    </message>
    <message id="TagSetFileWrongValueError">
        <source>The tag-set file “%1” cannot be read: the value at “%2” is of the wrong kind.</source>
        <translation>The tag-set file “%1” cannot be read: the value at “%2” is of the wrong kind.</translation>
    </message>
    <message id="TagSetFileMissingValueError">
        <source>The tag-set file “%1” cannot be read: the value at “%2” is missing.</source>
        <translation>The tag-set file “%1” cannot be read: the value at “%2” is missing.</translation>
    </message>
    <message id="TagSetFileInvalidValueError">
        <source>The tag-set file “%1” cannot be read at “%2”: %3</source>
        <translation>The tag-set file “%1” cannot be read at “%2”: %3</translation>
    </message>
    <message id="OrientationMirrorDroppedWarning">
        <source>“%1” is a movie: its picture can be turned but not mirrored, so it was only turned.</source>
        <translation>“%1” is a movie: its picture can be turned but not mirrored, so it was only turned.</translation>
    </message>
    <message id="AutocompleteNoGeocoderWarning">
        <source>“%1” was not completed: no place search service is set up.</source>
        <translation>“%1” was not completed: no place search service is set up.</translation>
    </message>
    <message id="AutocompleteNotFoundWarning">
        <source>“%1” was not completed: no place was found for its location.</source>
        <translation>“%1” was not completed: no place was found for its location.</translation>
    </message>
    <message id="MessageOverlayTagAdded">
        <source>Tag added</source>
        <translation>Tag added</translation>
    </message>
    <message id="MessageOverlayTasksAdded">
        <source>Task started</source>
        <translation>Task started</translation>
    </message>
    <message id="MessageOverlayTasksDone">
        <source>Task done</source>
        <translation>Task done</translation>
    </message>
    <message id="TaskErrorAlertMessageText">
        <source>Some files could not be processed.</source>
        <translation>Some files could not be processed.</translation>
    </message>
    <message id="TaskErrorAlertInformativeText">
        <source>The task reported: %1</source>
        <translation>The task reported: %1</translation>
    </message>
    <message id="TaskErrorAlertOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="CompletedTaskUserNoteTitle">
        <source>Task completed</source>
        <translation>Task completed</translation>
    </message>
    <message id="CompletedTaskUserNoteInformativeText">
        <source>Corvelle has finished working on your files.</source>
        <translation>Corvelle has finished working on your files.</translation>
    </message>
    <message id="FailedTaskUserNoteTitle">
        <source>Task failed</source>
        <translation>Task failed</translation>
    </message>
    <message id="FailedTaskUserNoteInformativeText">
        <source>Corvelle could not finish working on some of your files.</source>
        <translation>Corvelle could not finish working on some of your files.</translation>
    </message>
    <message id="MessageOverlayTasksFailed">
        <source>Task failed</source>
        <translation>Task failed</translation>
    </message>
    <message id="TaskItemCancelButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="TaskItemMessageLine">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="TaskItemShowMessagesToolTip">
        <source>Show or hide what went wrong.</source>
        <translation>Show or hide what went wrong.</translation>
    </message>
    <message id="TaskItemCancelButtonToolTip">
        <source>Stop this task. A file being written is finished first.</source>
        <translation>Stop this task. A file being written is finished first.</translation>
    </message>
    <message id="EditionFileSortAscendingTitle">
        <source>Ascending</source>
        <translation>Ascending</translation>
    </message>
    <message id="EditionFileSortDescendingTitle">
        <source>Descending</source>
        <translation>Descending</translation>
    </message>
    <message id="EditionFileFilterIgnoreFileEditionTitle">
        <source>Edited or not</source>
        <translation>Edited or not</translation>
    </message>
    <message id="EditionFileFilterEditedFileEditionTitle">
        <source>With unsaved changes</source>
        <translation>With unsaved changes</translation>
    </message>
    <message id="EditionFileFilterUneditedFileEditionTitle">
        <source>Without unsaved changes</source>
        <translation>Without unsaved changes</translation>
    </message>
    <message id="EditionFileFilterIgnoreFileMediaTitle">
        <source>Files and folders</source>
        <translation>Files and folders</translation>
    </message>
    <message id="EditionFileFilterFilesMediaTitle">
        <source>Files only</source>
        <translation>Files only</translation>
    </message>
    <message id="EditionFileFilterFoldersMediaTitle">
        <source>Folders only</source>
        <translation>Folders only</translation>
    </message>
    <message id="EditionFileFilterIgnoreGpsEditionTitle">
        <source>Location edited or not</source>
        <translation>Location edited or not</translation>
    </message>
    <message id="EditionFileFilterEditedGpsEditionTitle">
        <source>With an edited location</source>
        <translation>With an edited location</translation>
    </message>
    <message id="EditionFileFilterUneditedGpsEditionTitle">
        <source>Without an edited location</source>
        <translation>Without an edited location</translation>
    </message>
    <message id="EditionFileFilterIgnoreGpsValueTitle">
        <source>With or without a location</source>
        <translation>With or without a location</translation>
    </message>
    <message id="EditionFileFilterWithGpsValueTitle">
        <source>With a location</source>
        <translation>With a location</translation>
    </message>
    <message id="EditionFileFilterWithoutGpsValueTitle">
        <source>Without a location</source>
        <translation>Without a location</translation>
    </message>
    <message id="FileSortOptionsWindowTitle">
        <source>Sort Files</source>
        <translation>Sort Files</translation>
    </message>
    <message id="FileSortOptionsInstructions">
        <source>Sort the files by the values of one tag:</source>
        <translation>Sort the files by the values of one tag:</translation>
    </message>
    <message id="FileSortOptionsOrderLabel">
        <source>Order:</source>
        <translation>Order:</translation>
    </message>
    <message id="FileSortOptionsSortButton">
        <source>Sort</source>
        <translation>Sort</translation>
    </message>
    <message id="FileFilterOptionsWindowTitle">
        <source>Select Files</source>
        <translation>Select Files</translation>
    </message>
    <message id="FileFilterOptionsInstructions">
        <source>Select the files that match every condition below.</source>
        <translation>Select the files that match every condition below.</translation>
    </message>
    <message id="FileFilterOptionsFilenameLabel">
        <source>File name:</source>
        <translation>File name:</translation>
    </message>
    <message id="FileFilterOptionsFilenamePlaceholder">
        <source>Any file name</source>
        <translation>Any file name</translation>
    </message>
    <message id="FileFilterOptionsFileEditionLabel">
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message id="FileFilterOptionsFileMediaLabel">
        <source>Kind:</source>
        <translation>Kind:</translation>
    </message>
    <message id="FileFilterOptionsTagValueLabel">
        <source>A tag value:</source>
        <translation>A tag value:</translation>
    </message>
    <message id="FileFilterOptionsTagValuePlaceholder">
        <source>Any value</source>
        <translation>Any value</translation>
    </message>
    <message id="FileFilterOptionsGpsEditionLabel">
        <source>GPS tags:</source>
        <translation>GPS tags:</translation>
    </message>
    <message id="FileFilterOptionsGpsValueLabel">
        <source>GPS position:</source>
        <translation>GPS position:</translation>
    </message>
    <message id="FileFilterOptionsResetButton">
        <source>&amp;Reset</source>
        <translation>&amp;Reset</translation>
    </message>
    <message id="FileFilterOptionsCancelButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="FileFilterOptionsApplyButton">
        <source>&amp;Select</source>
        <translation>&amp;Select</translation>
    </message>
    <message id="HideGenericMainMenuItem">
        <source>Hide %1</source>
        <translation>Hide %1</translation>
    </message>
    <message id="QuitGenericMainMenuItem">
        <source>Quit %1</source>
        <translation>Quit %1</translation>
    </message>
    <message id="HelpGenericMainMenuItem">
        <source>%1 Help</source>
        <translation>%1 Help</translation>
    </message>
    <message id="AboutAppInformativeText">
        <source>%1 %2

Reads, shows and edits the metadata of movies, audio files and sidecar files.</source>
        <translation>%1 %2

Reads, shows and edits the metadata of movies, audio files and sidecar files.</translation>
    </message>
    <message id="MainMenuOpenPreferences">
        <source>Preferences…</source>
        <translation>Preferences…</translation>
    </message>
    <message id="MainMenuFileMenu">
        <source>File</source>
        <translation>File</translation>
    </message>
    <message id="MainMenuEditMenu">
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message id="MainMenuTagsMenu">
        <source>Tags</source>
        <translation>Tags</translation>
    </message>
    <message id="MainMenuImageMenu">
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message id="MainMenuDateMenu">
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message id="MainMenuLocationMenu">
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message id="MainMenuPresetsMenu">
        <source>Presets</source>
        <translation>Presets</translation>
    </message>
    <message id="MainMenuViewMenu">
        <source>View</source>
        <translation>View</translation>
    </message>
    <message id="MainMenuWindowMenu">
        <source>Window</source>
        <translation>Window</translation>
    </message>
    <message id="MainMenuHelpMenu">
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message id="MainMenuSelectFilesMenu">
        <source>Select Files</source>
        <translation>Select Files</translation>
    </message>
    <message id="MainMenuSortFilesMenu">
        <source>Sort Files</source>
        <translation>Sort Files</translation>
    </message>
    <message id="MainMenuImportMenu">
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message id="MainMenuExportMenu">
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message id="MainMenuExportTagsToFolderMenu">
        <source>Tags to Sidecars in a Folder</source>
        <translation>Tags to Sidecars in a Folder</translation>
    </message>
    <message id="MainMenuExportSidecarsMenu">
        <source>Sidecars Beside the Files</source>
        <translation>Sidecars Beside the Files</translation>
    </message>
    <message id="MainMenuExportCSVTableWithSectionMenu">
        <source>CSV Table of a Section</source>
        <translation>CSV Table of a Section</translation>
    </message>
    <message id="MainMenuSelectedValueMenu">
        <source>Selected Value</source>
        <translation>Selected Value</translation>
    </message>
    <message id="MainMenuRestoreTagsMenu">
        <source>Restore Tags</source>
        <translation>Restore Tags</translation>
    </message>
    <message id="MainMenuClearTagsMenu">
        <source>Clear Tags</source>
        <translation>Clear Tags</translation>
    </message>
    <message id="MainMenuCopyTagsMenu">
        <source>Copy Tags</source>
        <translation>Copy Tags</translation>
    </message>
    <message id="MainMenuRestoreChosenSectionMenu">
        <source>Section</source>
        <translation>Section</translation>
    </message>
    <message id="MainMenuClearChosenSectionMenu">
        <source>Section</source>
        <translation>Section</translation>
    </message>
    <message id="MainMenuCopyChosenSectionMenu">
        <source>Section</source>
        <translation>Section</translation>
    </message>
    <message id="MainMenuPasteTagsMenu">
        <source>Paste Tags</source>
        <translation>Paste Tags</translation>
    </message>
    <message id="MainMenuDeleteStreamBlocksMenu">
        <source>Delete Metadata Blocks</source>
        <translation>Delete Metadata Blocks</translation>
    </message>
    <message id="MainMenuTagSelectionMenu">
        <source>Select Tags</source>
        <translation>Select Tags</translation>
    </message>
    <message id="MainMenuEXIFOrientationMenu">
        <source>EXIF Orientation</source>
        <translation>EXIF Orientation</translation>
    </message>
    <message id="MainMenuQuickTimeOrientationMenu">
        <source>QuickTime Orientation</source>
        <translation>QuickTime Orientation</translation>
    </message>
    <message id="MainMenuCoordinatesMenu">
        <source>Coordinates</source>
        <translation>Coordinates</translation>
    </message>
    <message id="MainMenuEXIFLocationMenu">
        <source>EXIF GPS</source>
        <translation>EXIF GPS</translation>
    </message>
    <message id="MainMenuIPTCLocationMenu">
        <source>IPTC Location</source>
        <translation>IPTC Location</translation>
    </message>
    <message id="MainMenuXMPLocationMenu">
        <source>XMP Location</source>
        <translation>XMP Location</translation>
    </message>
    <message id="MainMenuQuickTimeLocationMenu">
        <source>QuickTime Location</source>
        <translation>QuickTime Location</translation>
    </message>
    <message id="MainMenuAutocompleteLocationMenu">
        <source>Complete Location</source>
        <translation>Complete Location</translation>
    </message>
    <message id="MainMenuOpenFilesInFinder">
        <source>Open…</source>
        <translation>Open…</translation>
    </message>
    <message id="MainMenuOpenFilesInPhotos">
        <source>Open from Photo Library…</source>
        <translation>Open from Photo Library…</translation>
    </message>
    <message id="MainMenuSaveSelectedFiles">
        <source>Save Selected Files</source>
        <translation>Save Selected Files</translation>
    </message>
    <message id="MainMenuSaveAllEditedFiles">
        <source>Save All Edited Files</source>
        <translation>Save All Edited Files</translation>
    </message>
    <message id="MainMenuReloadSelectedFiles">
        <source>Reload Selected Files</source>
        <translation>Reload Selected Files</translation>
    </message>
    <message id="MainMenuRestoreSelectedFiles">
        <source>Revert Selected Files</source>
        <translation>Revert Selected Files</translation>
    </message>
    <message id="MainMenuRemoveSelectedFiles">
        <source>Remove Selected Files from the List</source>
        <translation>Remove Selected Files from the List</translation>
    </message>
    <message id="MainMenuRemoveAllFiles">
        <source>Remove All Files from the List</source>
        <translation>Remove All Files from the List</translation>
    </message>
    <message id="MainMenuSelectPreviousFile">
        <source>Previous File</source>
        <translation>Previous File</translation>
    </message>
    <message id="MainMenuSelectNextFile">
        <source>Next File</source>
        <translation>Next File</translation>
    </message>
    <message id="MainMenuSelectAllFiles">
        <source>All Files</source>
        <translation>All Files</translation>
    </message>
    <message id="MainMenuDeselectAllFiles">
        <source>No File</source>
        <translation>No File</translation>
    </message>
    <message id="MainMenuInvertFileSelection">
        <source>Invert Selection</source>
        <translation>Invert Selection</translation>
    </message>
    <message id="MainMenuShowFileSelectPanel">
        <source>Files Matching…</source>
        <translation>Files Matching…</translation>
    </message>
    <message id="MainMenuSortFilesUsingAscendingFilename">
        <source>By Name, A to Z</source>
        <translation>By Name, A to Z</translation>
    </message>
    <message id="MainMenuSortFilesUsingDescendingFilename">
        <source>By Name, Z to A</source>
        <translation>By Name, Z to A</translation>
    </message>
    <message id="MainMenuSortFilesUsingAscendingPath">
        <source>By Path, A to Z</source>
        <translation>By Path, A to Z</translation>
    </message>
    <message id="MainMenuSortFilesUsingDescendingPath">
        <source>By Path, Z to A</source>
        <translation>By Path, Z to A</translation>
    </message>
    <message id="MainMenuShowFileSortPanel">
        <source>By Tag…</source>
        <translation>By Tag…</translation>
    </message>
    <message id="MainMenuShowFolderSettingsPanel">
        <source>Folder Settings…</source>
        <translation>Folder Settings…</translation>
    </message>
    <message id="MainMenuInspectSelectedFiles">
        <source>Inspect Selected Files</source>
        <translation>Inspect Selected Files</translation>
    </message>
    <message id="MainMenuUninspectSelectedFiles">
        <source>Stop Inspecting</source>
        <translation>Stop Inspecting</translation>
    </message>
    <message id="MainMenuRevealSelectedFilesInFinder">
        <source>Show in File Manager</source>
        <translation>Show in File Manager</translation>
    </message>
    <message id="MainMenuImportTagsWithFastOptions">
        <source>Tags from Another File…</source>
        <translation>Tags from Another File…</translation>
    </message>
    <message id="MainMenuImportTagsWithTagOptions">
        <source>Chosen Tags from Another File…</source>
        <translation>Chosen Tags from Another File…</translation>
    </message>
    <message id="MainMenuImportTagsWithStreamOptions">
        <source>Chosen Blocks from Another File…</source>
        <translation>Chosen Blocks from Another File…</translation>
    </message>
    <message id="MainMenuImportEXIFSidecar">
        <source>EXIF Sidecars</source>
        <translation>EXIF Sidecars</translation>
    </message>
    <message id="MainMenuImportMIESidecar">
        <source>MIE Sidecars</source>
        <translation>MIE Sidecars</translation>
    </message>
    <message id="MainMenuImportEXVSidecar">
        <source>EXV Sidecars</source>
        <translation>EXV Sidecars</translation>
    </message>
    <message id="MainMenuImportICCSidecar">
        <source>ICC Sidecars</source>
        <translation>ICC Sidecars</translation>
    </message>
    <message id="MainMenuImportVRDSidecar">
        <source>VRD Sidecars</source>
        <translation>VRD Sidecars</translation>
    </message>
    <message id="MainMenuImportXMPSidecar">
        <source>XMP Sidecars</source>
        <translation>XMP Sidecars</translation>
    </message>
    <message id="MainMenuImportCopiesSidecar">
        <source>Copies in a Folder…</source>
        <translation>Copies in a Folder…</translation>
    </message>
    <message id="MainMenuImportCSVTable">
        <source>CSV Table…</source>
        <translation>CSV Table…</translation>
    </message>
    <message id="MainMenuExportTagsToEXIFSidecar">
        <source>EXIF…</source>
        <translation>EXIF…</translation>
    </message>
    <message id="MainMenuExportTagsToMIESidecar">
        <source>MIE…</source>
        <translation>MIE…</translation>
    </message>
    <message id="MainMenuExportTagsToEXVSidecar">
        <source>EXV…</source>
        <translation>EXV…</translation>
    </message>
    <message id="MainMenuExportTagsToICCSidecar">
        <source>ICC…</source>
        <translation>ICC…</translation>
    </message>
    <message id="MainMenuExportTagsToVRDSidecar">
        <source>VRD…</source>
        <translation>VRD…</translation>
    </message>
    <message id="MainMenuExportTagsToXMPSidecar">
        <source>XMP…</source>
        <translation>XMP…</translation>
    </message>
    <message id="MainMenuExportTagsToCSVSidecar">
        <source>CSV…</source>
        <translation>CSV…</translation>
    </message>
    <message id="MainMenuExportTagsToJSONSidecar">
        <source>JSON…</source>
        <translation>JSON…</translation>
    </message>
    <message id="MainMenuExportEXIFSidecar">
        <source>EXIF</source>
        <translation>EXIF</translation>
    </message>
    <message id="MainMenuExportMIESidecar">
        <source>MIE</source>
        <translation>MIE</translation>
    </message>
    <message id="MainMenuExportEXVSidecar">
        <source>EXV</source>
        <translation>EXV</translation>
    </message>
    <message id="MainMenuExportICCSidecar">
        <source>ICC</source>
        <translation>ICC</translation>
    </message>
    <message id="MainMenuExportVRDSidecar">
        <source>VRD</source>
        <translation>VRD</translation>
    </message>
    <message id="MainMenuExportXMPSidecar">
        <source>XMP</source>
        <translation>XMP</translation>
    </message>
    <message id="MainMenuExportCSVTableWithAllTags">
        <source>CSV Table of All Displayed Tags…</source>
        <translation>CSV Table of All Displayed Tags…</translation>
    </message>
    <message id="MainMenuExportCSVTableWithOptions">
        <source>CSV Table of Chosen Tags…</source>
        <translation>CSV Table of Chosen Tags…</translation>
    </message>
    <message id="MainMenuExportFilesToPhotosApp">
        <source>Add to Photo Library</source>
        <translation>Add to Photo Library</translation>
    </message>
    <message id="MainMenuTransferFilesToLindmere">
        <source>Rename with Lindmere</source>
        <translation>Rename with Lindmere</translation>
    </message>
    <message id="MainMenuPerformClose">
        <source>Close Window</source>
        <translation>Close Window</translation>
    </message>
    <message id="MainMenuUndo">
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message id="MainMenuRedo">
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message id="MainMenuCut">
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message id="MainMenuCopy">
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message id="MainMenuPaste">
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message id="MainMenuDelete">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="MainMenuSelectAll">
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message id="MainMenuDeselectAll">
        <source>Deselect All</source>
        <translation>Deselect All</translation>
    </message>
    <message id="MainMenuEditSelectedTableValue">
        <source>Edit…</source>
        <translation>Edit…</translation>
    </message>
    <message id="MainMenuQuickActionSelectedTableValue">
        <source>Quick Actions…</source>
        <translation>Quick Actions…</translation>
    </message>
    <message id="MainMenuRawEditSelectedTableValue">
        <source>Edit Raw Value…</source>
        <translation>Edit Raw Value…</translation>
    </message>
    <message id="MainMenuRestoreSelectedTableValue">
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message id="MainMenuClearSelectedTableValue">
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message id="MainMenuForceSelectedTableValue">
        <source>Write Again</source>
        <translation>Write Again</translation>
    </message>
    <message id="MainMenuCopySelectedTableValue">
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message id="MainMenuCutSelectedTableValue">
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message id="MainMenuPasteSelectedTableValue">
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message id="MainMenuPasteAndMergeTags">
        <source>Paste and Merge</source>
        <translation>Paste and Merge</translation>
    </message>
    <message id="MainMenuClearAndPasteTags">
        <source>Clear and Paste</source>
        <translation>Clear and Paste</translation>
    </message>
    <message id="MainMenuDeleteEXIFStreamBlock">
        <source>EXIF Block…</source>
        <translation>EXIF Block…</translation>
    </message>
    <message id="MainMenuDeleteIPTCStreamBlock">
        <source>IPTC Block…</source>
        <translation>IPTC Block…</translation>
    </message>
    <message id="MainMenuDeleteXMPStreamBlock">
        <source>XMP Block…</source>
        <translation>XMP Block…</translation>
    </message>
    <message id="MainMenuDeleteQuicktimeStreamBlock">
        <source>QuickTime Block…</source>
        <translation>QuickTime Block…</translation>
    </message>
    <message id="MainMenuDeleteChosenStreamBlock">
        <source>Chosen Blocks…</source>
        <translation>Chosen Blocks…</translation>
    </message>
    <message id="MainMenuDeleteAllStreamBlocks">
        <source>All Blocks…</source>
        <translation>All Blocks…</translation>
    </message>
    <message id="MainMenuSyncSelectedDateTags">
        <source>Synchronise Selected Dates…</source>
        <translation>Synchronise Selected Dates…</translation>
    </message>
    <message id="MainMenuSyncDisplayedDateTags">
        <source>Synchronise Displayed Dates…</source>
        <translation>Synchronise Displayed Dates…</translation>
    </message>
    <message id="MainMenuSelectPreviousTags">
        <source>Previous Tag</source>
        <translation>Previous Tag</translation>
    </message>
    <message id="MainMenuSelectNextTags">
        <source>Next Tag</source>
        <translation>Next Tag</translation>
    </message>
    <message id="MainMenuSelectAllTags">
        <source>All Tags</source>
        <translation>All Tags</translation>
    </message>
    <message id="MainMenuDeselectAllTags">
        <source>No Tag</source>
        <translation>No Tag</translation>
    </message>
    <message id="MainMenuInvertTagSelection">
        <source>Invert Selection</source>
        <translation>Invert Selection</translation>
    </message>
    <message id="MainMenuSelectDateTags">
        <source>Date Tags</source>
        <translation>Date Tags</translation>
    </message>
    <message id="MainMenuShowTagSelectPanel">
        <source>Select Tags Matching…</source>
        <translation>Select Tags Matching…</translation>
    </message>
    <message id="MainMenuShowTagFilterPanel">
        <source>Filter Tags…</source>
        <translation>Filter Tags…</translation>
    </message>
    <message id="MainMenuShowTagManagePanel">
        <source>Displayed Tags…</source>
        <translation>Displayed Tags…</translation>
    </message>
    <message id="MainMenuShowSyncFolderTagsPanel">
        <source>Synchronise Folder Tags…</source>
        <translation>Synchronise Folder Tags…</translation>
    </message>
    <message id="MainMenuDownloadVideoInfo">
        <source>Download Movie Information…</source>
        <translation>Download Movie Information…</translation>
    </message>
    <message id="MainMenuDeleteItunMoviPlist">
        <source>Delete Movie Property List</source>
        <translation>Delete Movie Property List</translation>
    </message>
    <message id="MainMenuRotateLeft">
        <source>Rotate Left</source>
        <translation>Rotate Left</translation>
    </message>
    <message id="MainMenuRotateRight">
        <source>Rotate Right</source>
        <translation>Rotate Right</translation>
    </message>
    <message id="MainMenuHorizontalFlip">
        <source>Flip Horizontally</source>
        <translation>Flip Horizontally</translation>
    </message>
    <message id="MainMenuVerticalFlip">
        <source>Flip Vertically</source>
        <translation>Flip Vertically</translation>
    </message>
    <message id="MainMenuExifRotateLeft">
        <source>Rotate Left</source>
        <translation>Rotate Left</translation>
    </message>
    <message id="MainMenuExifRotateRight">
        <source>Rotate Right</source>
        <translation>Rotate Right</translation>
    </message>
    <message id="MainMenuExifHorizontalFlip">
        <source>Flip Horizontally</source>
        <translation>Flip Horizontally</translation>
    </message>
    <message id="MainMenuExifVerticalFlip">
        <source>Flip Vertically</source>
        <translation>Flip Vertically</translation>
    </message>
    <message id="MainMenuQuicktimeRotateLeft">
        <source>Rotate Left</source>
        <translation>Rotate Left</translation>
    </message>
    <message id="MainMenuQuicktimeRotateRight">
        <source>Rotate Right</source>
        <translation>Rotate Right</translation>
    </message>
    <message id="MainMenuQuicktimeHorizontalFlip">
        <source>Flip Horizontally</source>
        <translation>Flip Horizontally</translation>
    </message>
    <message id="MainMenuQuicktimeVerticalFlip">
        <source>Flip Vertically</source>
        <translation>Flip Vertically</translation>
    </message>
    <message id="MainMenuRestoreEXIFThumbnail">
        <source>Restore EXIF Thumbnail</source>
        <translation>Restore EXIF Thumbnail</translation>
    </message>
    <message id="MainMenuClearEXIFThumbnail">
        <source>Clear EXIF Thumbnail</source>
        <translation>Clear EXIF Thumbnail</translation>
    </message>
    <message id="MainMenuExportEXIFThumbnail">
        <source>Export EXIF Thumbnails…</source>
        <translation>Export EXIF Thumbnails…</translation>
    </message>
    <message id="MainMenuExportJPGFromRaw">
        <source>Export Raw Previews…</source>
        <translation>Export Raw Previews…</translation>
    </message>
    <message id="MainMenuEditQuicktimeCovertArt">
        <source>Edit Cover Art…</source>
        <translation>Edit Cover Art…</translation>
    </message>
    <message id="MainMenuUpdateAllDates">
        <source>Change All Dates…</source>
        <translation>Change All Dates…</translation>
    </message>
    <message id="MainMenuSyncAllDates">
        <source>Synchronise All Dates…</source>
        <translation>Synchronise All Dates…</translation>
    </message>
    <message id="MainMenuSearchLocation">
        <source>Find Location…</source>
        <translation>Find Location…</translation>
    </message>
    <message id="MainMenuImportLocation">
        <source>Location from Another File…</source>
        <translation>Location from Another File…</translation>
    </message>
    <message id="MainMenuRestoreLocation">
        <source>Restore Location</source>
        <translation>Restore Location</translation>
    </message>
    <message id="MainMenuClearLocation">
        <source>Clear Location</source>
        <translation>Clear Location</translation>
    </message>
    <message id="MainMenuCutLocationTags">
        <source>Cut Location</source>
        <translation>Cut Location</translation>
    </message>
    <message id="MainMenuCopyLocationTags">
        <source>Copy Location</source>
        <translation>Copy Location</translation>
    </message>
    <message id="MainMenuPasteLocationTags">
        <source>Paste Location</source>
        <translation>Paste Location</translation>
    </message>
    <message id="MainMenuCopyCoordinates">
        <source>Copy as Set in Preferences</source>
        <translation>Copy as Set in Preferences</translation>
    </message>
    <message id="MainMenuCopyCoordinatesDDddddd">
        <source>Copy as Decimal Degrees</source>
        <translation>Copy as Decimal Degrees</translation>
    </message>
    <message id="MainMenuCopyCoordinatesPreDDMMmmm">
        <source>Copy as Degrees and Decimal Minutes</source>
        <translation>Copy as Degrees and Decimal Minutes</translation>
    </message>
    <message id="MainMenuCopyCoordinatesPostDDMMSSs">
        <source>Copy as Degrees, Minutes and Seconds</source>
        <translation>Copy as Degrees, Minutes and Seconds</translation>
    </message>
    <message id="MainMenuCopyCoordinatesISO6709">
        <source>Copy as ISO 6709</source>
        <translation>Copy as ISO 6709</translation>
    </message>
    <message id="MainMenuPasteCoordinates">
        <source>Paste Coordinates</source>
        <translation>Paste Coordinates</translation>
    </message>
    <message id="MainMenuCopyEXIFGPSCoordinate">
        <source>Copy Coordinates</source>
        <translation>Copy Coordinates</translation>
    </message>
    <message id="MainMenuPasteEXIFGPSCoordinate">
        <source>Paste Coordinates</source>
        <translation>Paste Coordinates</translation>
    </message>
    <message id="MainMenuImportEXIFGPSCoordinate">
        <source>Coordinates from Another File…</source>
        <translation>Coordinates from Another File…</translation>
    </message>
    <message id="MainMenuCopyEXIFGPSLocationTags">
        <source>Copy GPS Tags</source>
        <translation>Copy GPS Tags</translation>
    </message>
    <message id="MainMenuPasteEXIFGPSLocationTags">
        <source>Paste GPS Tags</source>
        <translation>Paste GPS Tags</translation>
    </message>
    <message id="MainMenuRestoreEXIFGPSLocation">
        <source>Restore GPS Tags</source>
        <translation>Restore GPS Tags</translation>
    </message>
    <message id="MainMenuClearEXIFGPSLocation">
        <source>Clear GPS Tags</source>
        <translation>Clear GPS Tags</translation>
    </message>
    <message id="MainMenuCopyEXIFGPSStampTags">
        <source>Copy GPS Time Stamp</source>
        <translation>Copy GPS Time Stamp</translation>
    </message>
    <message id="MainMenuPasteEXIFGPSStampTags">
        <source>Paste GPS Time Stamp</source>
        <translation>Paste GPS Time Stamp</translation>
    </message>
    <message id="MainMenuRestoreEXIFGPSStamp">
        <source>Restore GPS Time Stamp</source>
        <translation>Restore GPS Time Stamp</translation>
    </message>
    <message id="MainMenuClearEXIFGPSStamp">
        <source>Clear GPS Time Stamp</source>
        <translation>Clear GPS Time Stamp</translation>
    </message>
    <message id="MainMenuSyncEXIFGPSStamp">
        <source>GPS Time Stamp from a Date Tag…</source>
        <translation>GPS Time Stamp from a Date Tag…</translation>
    </message>
    <message id="MainMenuCopyIPTCLocationAddress">
        <source>Copy Address</source>
        <translation>Copy Address</translation>
    </message>
    <message id="MainMenuCopyIPTCLocationTags">
        <source>Copy Location Tags</source>
        <translation>Copy Location Tags</translation>
    </message>
    <message id="MainMenuPasteIPTCLocationTags">
        <source>Paste Location Tags</source>
        <translation>Paste Location Tags</translation>
    </message>
    <message id="MainMenuRestoreIPTCLocation">
        <source>Restore Location Tags</source>
        <translation>Restore Location Tags</translation>
    </message>
    <message id="MainMenuClearIPTCLocation">
        <source>Clear Location Tags</source>
        <translation>Clear Location Tags</translation>
    </message>
    <message id="MainMenuCopyXMPCoordinate">
        <source>Copy Coordinates</source>
        <translation>Copy Coordinates</translation>
    </message>
    <message id="MainMenuPasteXMPCoordinate">
        <source>Paste Coordinates</source>
        <translation>Paste Coordinates</translation>
    </message>
    <message id="MainMenuImportXMPCoordinate">
        <source>Coordinates from Another File…</source>
        <translation>Coordinates from Another File…</translation>
    </message>
    <message id="MainMenuCopyXMPLocationTags">
        <source>Copy Location Tags</source>
        <translation>Copy Location Tags</translation>
    </message>
    <message id="MainMenuPasteXMPLocationTags">
        <source>Paste Location Tags</source>
        <translation>Paste Location Tags</translation>
    </message>
    <message id="MainMenuRestoreXMPLocation">
        <source>Restore Location Tags</source>
        <translation>Restore Location Tags</translation>
    </message>
    <message id="MainMenuClearXMPLocation">
        <source>Clear Location Tags</source>
        <translation>Clear Location Tags</translation>
    </message>
    <message id="MainMenuCopyQuicktimeCoordinate">
        <source>Copy Coordinates</source>
        <translation>Copy Coordinates</translation>
    </message>
    <message id="MainMenuPasteQuicktimeCoordinate">
        <source>Paste Coordinates</source>
        <translation>Paste Coordinates</translation>
    </message>
    <message id="MainMenuImportQuicktimeCoordinate">
        <source>Coordinates from Another File…</source>
        <translation>Coordinates from Another File…</translation>
    </message>
    <message id="MainMenuCopyQuicktimeLocationTags">
        <source>Copy Location Tags</source>
        <translation>Copy Location Tags</translation>
    </message>
    <message id="MainMenuPasteQuicktimeLocationTags">
        <source>Paste Location Tags</source>
        <translation>Paste Location Tags</translation>
    </message>
    <message id="MainMenuRestoreQuicktimeLocation">
        <source>Restore Location Tags</source>
        <translation>Restore Location Tags</translation>
    </message>
    <message id="MainMenuClearQuicktimeLocation">
        <source>Clear Location Tags</source>
        <translation>Clear Location Tags</translation>
    </message>
    <message id="MainMenuAutocompleteUsingEXIFCoordinate">
        <source>From EXIF Coordinates</source>
        <translation>From EXIF Coordinates</translation>
    </message>
    <message id="MainMenuAutocompleteUsingXMPCoordinate">
        <source>From XMP Coordinates</source>
        <translation>From XMP Coordinates</translation>
    </message>
    <message id="MainMenuAutocompleteUsingQuickTimeCoordinate">
        <source>From QuickTime Coordinates</source>
        <translation>From QuickTime Coordinates</translation>
    </message>
    <message id="MainMenuAutocompleteUsingIPTCAddress">
        <source>From IPTC Address</source>
        <translation>From IPTC Address</translation>
    </message>
    <message id="MainMenuAutocompleteUsingXMPAddress">
        <source>From XMP Address</source>
        <translation>From XMP Address</translation>
    </message>
    <message id="MainMenuImportGeotags">
        <source>Geotag from Track Log…</source>
        <translation>Geotag from Track Log…</translation>
    </message>
    <message id="MainMenuExportKMLGeotags">
        <source>Export KML Track…</source>
        <translation>Export KML Track…</translation>
    </message>
    <message id="MainMenuExportGPXGeotags">
        <source>Export GPX Track…</source>
        <translation>Export GPX Track…</translation>
    </message>
    <message id="MainMenuSwitchToPreviewSection">
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message id="MainMenuSwitchToTagsSection">
        <source>Tags</source>
        <translation>Tags</translation>
    </message>
    <message id="MainMenuSwitchToMapSection">
        <source>Map</source>
        <translation>Map</translation>
    </message>
    <message id="MainMenuSwitchToRawSection">
        <source>Raw Tags</source>
        <translation>Raw Tags</translation>
    </message>
    <message id="MainMenuToggleFileViewMode">
        <source>Switch Between List and Grid</source>
        <translation>Switch Between List and Grid</translation>
    </message>
    <message id="MainMenuToggleAllColumnsInFileList">
        <source>Show or Hide Tag Columns</source>
        <translation>Show or Hide Tag Columns</translation>
    </message>
    <message id="MainMenuToggleEditingSidebar">
        <source>Editing Sidebar</source>
        <translation>Editing Sidebar</translation>
    </message>
    <message id="MainMenuEnableEditingSidebar">
        <source>Show Editing Sidebar</source>
        <translation>Show Editing Sidebar</translation>
    </message>
    <message id="MainMenuDisableEditingSidebar">
        <source>Hide Editing Sidebar</source>
        <translation>Hide Editing Sidebar</translation>
    </message>
    <message id="MainMenuToggleQuickLook">
        <source>Quick Look</source>
        <translation>Quick Look</translation>
    </message>
    <message id="MainMenuShowQuicklook">
        <source>Show Quick Look</source>
        <translation>Show Quick Look</translation>
    </message>
    <message id="MainMenuHideQuicklook">
        <source>Hide Quick Look</source>
        <translation>Hide Quick Look</translation>
    </message>
    <message id="MainMenuShowTaskManager">
        <source>Tasks</source>
        <translation>Tasks</translation>
    </message>
    <message id="MainMenuPerformMiniaturize">
        <source>Minimise</source>
        <translation>Minimise</translation>
    </message>
    <message id="MainMenuShowMetadataEditor">
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message id="MainMenuToggleMetadataEditor">
        <source>Show or Hide Editor</source>
        <translation>Show or Hide Editor</translation>
    </message>
    <message id="MainMenuShowPresetManager">
        <source>Preset Manager</source>
        <translation>Preset Manager</translation>
    </message>
    <message id="MainMenuTogglePresetManager">
        <source>Show or Hide Preset Manager</source>
        <translation>Show or Hide Preset Manager</translation>
    </message>
    <message id="MainMenuShowKeywordManager">
        <source>Keyword Manager</source>
        <translation>Keyword Manager</translation>
    </message>
    <message id="MainMenuToggleKeywordManager">
        <source>Show or Hide Keyword Manager</source>
        <translation>Show or Hide Keyword Manager</translation>
    </message>
    <message id="MainMenuShowPhotosRemoteControl">
        <source>Photo Library Profiles</source>
        <translation>Photo Library Profiles</translation>
    </message>
    <message id="MainMenuTogglePhotosRemoteControl">
        <source>Show or Hide Photo Library Profiles</source>
        <translation>Show or Hide Photo Library Profiles</translation>
    </message>
    <message id="MainMenuRestoreEXIFTags">
        <source>EXIF Tags</source>
        <translation>EXIF Tags</translation>
    </message>
    <message id="MainMenuRestoreIPTCTags">
        <source>IPTC Tags</source>
        <translation>IPTC Tags</translation>
    </message>
    <message id="MainMenuRestoreXMPTags">
        <source>XMP Tags</source>
        <translation>XMP Tags</translation>
    </message>
    <message id="MainMenuRestoreQuicktimeTags">
        <source>QuickTime Tags</source>
        <translation>QuickTime Tags</translation>
    </message>
    <message id="MainMenuRestoreSelectedTags">
        <source>Selected Tags</source>
        <translation>Selected Tags</translation>
    </message>
    <message id="MainMenuRestoreDisplayedTags">
        <source>Displayed Tags</source>
        <translation>Displayed Tags</translation>
    </message>
    <message id="MainMenuRestoreChosenStreams">
        <source>Chosen Blocks…</source>
        <translation>Chosen Blocks…</translation>
    </message>
    <message id="MainMenuRestoreAllStreams">
        <source>All Tags</source>
        <translation>All Tags</translation>
    </message>
    <message id="MainMenuClearEXIFTags">
        <source>EXIF Tags</source>
        <translation>EXIF Tags</translation>
    </message>
    <message id="MainMenuClearIPTCTags">
        <source>IPTC Tags</source>
        <translation>IPTC Tags</translation>
    </message>
    <message id="MainMenuClearXMPTags">
        <source>XMP Tags</source>
        <translation>XMP Tags</translation>
    </message>
    <message id="MainMenuClearQuicktimeTags">
        <source>QuickTime Tags</source>
        <translation>QuickTime Tags</translation>
    </message>
    <message id="MainMenuClearSelectedTags">
        <source>Selected Tags</source>
        <translation>Selected Tags</translation>
    </message>
    <message id="MainMenuClearDisplayedTags">
        <source>Displayed Tags</source>
        <translation>Displayed Tags</translation>
    </message>
    <message id="MainMenuClearChosenStreams">
        <source>Chosen Blocks…</source>
        <translation>Chosen Blocks…</translation>
    </message>
    <message id="MainMenuClearAllStreams">
        <source>All Tags</source>
        <translation>All Tags</translation>
    </message>
    <message id="MainMenuCopyEXIFTags">
        <source>EXIF Tags</source>
        <translation>EXIF Tags</translation>
    </message>
    <message id="MainMenuCopyIPTCTags">
        <source>IPTC Tags</source>
        <translation>IPTC Tags</translation>
    </message>
    <message id="MainMenuCopyXMPTags">
        <source>XMP Tags</source>
        <translation>XMP Tags</translation>
    </message>
    <message id="MainMenuCopyQuicktimeTags">
        <source>QuickTime Tags</source>
        <translation>QuickTime Tags</translation>
    </message>
    <message id="MainMenuCopySelectedTags">
        <source>Selected Tags</source>
        <translation>Selected Tags</translation>
    </message>
    <message id="MainMenuCopyDisplayedTags">
        <source>Displayed Tags</source>
        <translation>Displayed Tags</translation>
    </message>
    <message id="MainMenuCopyChosenStreams">
        <source>Chosen Blocks…</source>
        <translation>Chosen Blocks…</translation>
    </message>
    <message id="MainMenuCopyAllStreams">
        <source>All Tags</source>
        <translation>All Tags</translation>
    </message>
    <message id="ShowPresetManagerTitle">
        <source>Manage Presets…</source>
        <translation>Manage Presets…</translation>
    </message>
    <message id="SaveTagsAsPresetTitle">
        <source>Save Tags as Preset…</source>
        <translation>Save Tags as Preset…</translation>
    </message>
    <message id="LibraryResetFailedAlertMessageText">
        <source>The library cannot be reset.</source>
        <translation>The library cannot be reset.</translation>
    </message>
    <message id="LibraryResetFailedAlertInformativeText">
        <source>It stays empty until Corvelle is started again, and its file is left as it was.</source>
        <translation>It stays empty until Corvelle is started again, and its file is left as it was.</translation>
    </message>
    <message id="LibraryResetFailedAlertOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="TagSetLoadingFailedAlertMessageText">
        <source>The displayed tags cannot be loaded.</source>
        <translation>The displayed tags cannot be loaded.</translation>
    </message>
    <message id="TagSetLoadingFailedAlertInformativeText">
        <source>Quit now to look at the file yourself, or reset the displayed tags to their defaults. The unreadable file is kept beside the new one.</source>
        <translation>Quit now to look at the file yourself, or reset the displayed tags to their defaults. The unreadable file is kept beside the new one.</translation>
    </message>
    <message id="TagSetLoadingFailedAlertQuitButton">
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message id="TagSetLoadingFailedAlertResetButton">
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message id="PresetLoadingFailedAlertMessageText">
        <source>The presets cannot be loaded.</source>
        <translation>The presets cannot be loaded.</translation>
    </message>
    <message id="PresetLoadingFailedAlertInformativeText">
        <source>Quit now to look at the file yourself, or reset the presets: the library starts empty and the unreadable file is kept beside the new one.</source>
        <translation>Quit now to look at the file yourself, or reset the presets: the library starts empty and the unreadable file is kept beside the new one.</translation>
    </message>
    <message id="PresetLoadingFailedAlertQuitButton">
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message id="PresetLoadingFailedAlertResetButton">
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message id="KeywordLoadingFailedAlertMessageText">
        <source>The keywords cannot be loaded.</source>
        <translation>The keywords cannot be loaded.</translation>
    </message>
    <message id="KeywordLoadingFailedAlertInformativeText">
        <source>Quit now to look at the file yourself, or reset the keywords: the library starts empty and the unreadable file is kept beside the new one.</source>
        <translation>Quit now to look at the file yourself, or reset the keywords: the library starts empty and the unreadable file is kept beside the new one.</translation>
    </message>
    <message id="KeywordLoadingFailedAlertQuitButton">
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message id="KeywordLoadingFailedAlertResetButton">
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message id="RemoteProfileLoadingFailedAlertMessageText">
        <source>The photo library profiles cannot be loaded.</source>
        <translation>The photo library profiles cannot be loaded.</translation>
    </message>
    <message id="RemoteProfileLoadingFailedAlertInformativeText">
        <source>Quit now to look at the file yourself, or reset the profiles: the library starts empty and the unreadable file is kept beside the new one.</source>
        <translation>Quit now to look at the file yourself, or reset the profiles: the library starts empty and the unreadable file is kept beside the new one.</translation>
    </message>
    <message id="RemoteProfileLoadingFailedAlertQuitButton">
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message id="RemoteProfileLoadingFailedAlertResetButton">
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message id="LocationLoadingFailedAlertMessageText">
        <source>The favourite locations cannot be loaded.</source>
        <translation>The favourite locations cannot be loaded.</translation>
    </message>
    <message id="LocationLoadingFailedAlertInformativeText">
        <source>Quit now to look at the file yourself, or reset the locations: the library starts empty and the unreadable file is kept beside the new one.</source>
        <translation>Quit now to look at the file yourself, or reset the locations: the library starts empty and the unreadable file is kept beside the new one.</translation>
    </message>
    <message id="LocationLoadingFailedAlertQuitButton">
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message id="LocationLoadingFailedAlertResetButton">
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message id="ImportingPresetFilesAlertMessageText">
        <source>Import the presets?</source>
        <translation>Import the presets?</translation>
    </message>
    <message id="ImportingPresetFilesAlertInformativeText">
        <source>The presets of the opened files are added to your presets.</source>
        <translation>The presets of the opened files are added to your presets.</translation>
    </message>
    <message id="ImportingPresetFilesAlertContinueButton">
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message id="ImportingPresetFilesAlertCancelButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="PresetManagerImportDidFailMessageText">
        <source>The presets could not be imported.</source>
        <translation>The presets could not be imported.</translation>
    </message>
    <message id="PresetManagerImportDidFailInformativeText">
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message id="PresetManagerImportDidFailOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="ImportingTagsetFilesAlertMessageText">
        <source>Replace the displayed tags?</source>
        <translation>Replace the displayed tags?</translation>
    </message>
    <message id="ImportingTagsetFilesAlertInformativeText">
        <source>The tags of the opened tag-set file take the place of the tags the Tags section displays now.</source>
        <translation>The tags of the opened tag-set file take the place of the tags the Tags section displays now.</translation>
    </message>
    <message id="ImportingTagsetFilesAlertContinueButton">
        <source>Replace</source>
        <translation>Replace</translation>
    </message>
    <message id="ImportingTagsetFilesAlertCancelButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="TagSetImportDidFailMessageText">
        <source>The tag set could not be imported.</source>
        <translation>The tag set could not be imported.</translation>
    </message>
    <message id="TagSetImportDidFailInformativeText">
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message id="TagSetImportDidFailOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="QuitAppWhileProcessingAlertMessageText">
        <source>Tasks are still running.</source>
        <translation>Tasks are still running.</translation>
    </message>
    <message id="QuitAppWhileProcessingAlertInformativeText">
        <source>Quitting now stops them: files not written yet keep their old tags.</source>
        <translation>Quitting now stops them: files not written yet keep their old tags.</translation>
    </message>
    <message id="QuitAppWhileProcessingAlertCancelButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="QuitAppWhileProcessingAlertQuitButton">
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message id="QuitAppWhileHaveUnsavedChangesAlertMessageText">
        <source>Some files have unsaved changes.</source>
        <translation>Some files have unsaved changes.</translation>
    </message>
    <message id="QuitAppWhileHaveUnsavedChangesAlertInformativeText">
        <source>Quitting now loses the changes that are not saved.</source>
        <translation>Quitting now loses the changes that are not saved.</translation>
    </message>
    <message id="QuitAppWhileHaveUnsavedChangesAlertCancelButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="QuitAppWhileHaveUnsavedChangesAlertQuitButton">
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message id="PresetFileError">
        <source>The preset file “%1” cannot be imported.</source>
        <translation>The preset file “%1” cannot be imported.</translation>
    </message>
    <message id="PresetFileSinglePresetError">
        <source>“%1” is a file for one preset, but %2 presets were to be exported into it. Export them to a “cvpresets” file instead.</source>
        <translation>“%1” is a file for one preset, but %2 presets were to be exported into it. Export them to a “cvpresets” file instead.</translation>
    </message>
    <message id="PresetSearchPatternError">
        <source>The search pattern “%1” of a preset is not a valid regular expression: %2. Its entry changed nothing.</source>
        <translation>The search pattern “%1” of a preset is not a valid regular expression: %2. Its entry changed nothing.</translation>
    </message>
    <message id="EditionTaskTitle">
        <source>Editing tags</source>
        <translation>Editing tags</translation>
    </message>
    <message id="EditionTaskLabel">
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message id="EditorWelcomeCorvelleWindowTitle">
        <source>Corvelle</source>
        <translation>Corvelle</translation>
    </message>
    <message id="EditorWelcomeWindowSubtitle">
        <source>No file open</source>
        <translation>No file open</translation>
    </message>
    <message id="EditorWelcomeCorvelleViewTitle">
        <source>Welcome to Corvelle</source>
        <translation>Welcome to Corvelle</translation>
    </message>
    <message id="EditorWelcomeCorvelleViewSubtitle">
        <source>Drop movies, audio files, sidecar files or folders here to read and edit their metadata.</source>
        <translation>Drop movies, audio files, sidecar files or folders here to read and edit their metadata.</translation>
    </message>
    <message id="EditorWelcomeOpenTitle">
        <source>Open files from:</source>
        <translation>Open files from:</translation>
    </message>
    <message id="EditorWelcomeOpenFromFinderButton">
        <source>Files and Folders…</source>
        <translation>Files and Folders…</translation>
    </message>
    <message id="PreviewMetadataCorvelleWindowTitle">
        <source>Corvelle</source>
        <translation>Corvelle</translation>
    </message>
    <message id="EditorMetadataWindowSubtitle">
        <source>%1 file(s)</source>
        <translation>%1 file(s)</translation>
    </message>
    <message id="EditorWindowToolbarOpenFiles">
        <source>Open Files</source>
        <translation>Open Files</translation>
    </message>
    <message id="EditorWindowToolbarSaveAllFiles">
        <source>Save All</source>
        <translation>Save All</translation>
    </message>
    <message id="OpenPanelMediaFilesFilter">
        <source>Media files</source>
        <translation>Media files</translation>
    </message>
    <message id="TableColumnTitleFilename">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="TableColumnTitleCoordinates">
        <source>Coordinates</source>
        <translation>Coordinates</translation>
    </message>
    <message id="TableColumnTitleOriginalTags">
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message id="TableColumnTitleEditedTags">
        <source>Edited</source>
        <translation>Edited</translation>
    </message>
    <message id="TableCellTitleTagsCount">
        <source>%1 tags</source>
        <translation>%1 tags</translation>
    </message>
    <message id="FileStoredInPhotos">
        <source>In the photo library</source>
        <translation>In the photo library</translation>
    </message>
    <message id="FileSaveButtonToolTip">
        <source>Save the edited tags into the file</source>
        <translation>Save the edited tags into the file</translation>
    </message>
    <message id="CannotSaveWhileEditingMessageText">
        <source>Files cannot be saved while tags are being edited.</source>
        <translation>Files cannot be saved while tags are being edited.</translation>
    </message>
    <message id="CannotSaveWhileEditingInformativeText">
        <source>Wait until the edits running now are done, then save again.</source>
        <translation>Wait until the edits running now are done, then save again.</translation>
    </message>
    <message id="CannotSaveWhileEditingOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="ReplacePhotosWarningMessageText">
        <source>Replace files of the photo library?</source>
        <translation>Replace files of the photo library?</translation>
    </message>
    <message id="ReplacePhotosWarningInformativeText">
        <source>Some of the files to save belong to the photo library. Saving writes the edited tags into the library's files.</source>
        <translation>Some of the files to save belong to the photo library. Saving writes the edited tags into the library's files.</translation>
    </message>
    <message id="ReplacePhotosWarningContinueButton">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="ReplacePhotosWarningCancelButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="RemovingUnsavedFilesMessageText">
        <source>Remove files with unsaved changes?</source>
        <translation>Remove files with unsaved changes?</translation>
    </message>
    <message id="RemovingUnsavedFilesInformativeText">
        <source>Some of the files have changes that are not saved. If you remove them from the list, their changes are lost.</source>
        <translation>Some of the files have changes that are not saved. If you remove them from the list, their changes are lost.</translation>
    </message>
    <message id="RemovingUnsavedFilesRemoveButton">
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message id="RemovingUnsavedFilesCancelButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="EditorInspectIsLimitedTo20FilesMessageText">
        <source>Too many files to inspect</source>
        <translation>Too many files to inspect</translation>
    </message>
    <message id="EditorInspectIsLimitedTo20FilesInformativeText">
        <source>At most 20 files can be inspected at once. Select fewer files and try again.</source>
        <translation>At most 20 files can be inspected at once. Select fewer files and try again.</translation>
    </message>
    <message id="EditorInspectIsLimitedTo20FilesOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="EditorWelcomeOpenFromFinderTouchButton">
        <source>Open Files</source>
        <translation>Open Files</translation>
    </message>
    <message id="EditorWelcomeOpenFromPhotosTouchButton">
        <source>Open from Photos</source>
        <translation>Open from Photos</translation>
    </message>
    <message id="CannotFindLindmereAlertMessageText">
        <source>Lindmere cannot be found</source>
        <translation>Lindmere cannot be found</translation>
    </message>
    <message id="CannotFindLindmereAlertInformativeText">
        <source>Install Lindmere, the renaming application, to hand the selected files over to it.</source>
        <translation>Install Lindmere, the renaming application, to hand the selected files over to it.</translation>
    </message>
    <message id="CannotFindLindmereAlertOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="DesktopApplicationUnreadableEntry">
        <source>The application entry “%1” cannot be read: %2.</source>
        <translation>The application entry “%1” cannot be read: %2.</translation>
    </message>
    <message id="DesktopApplicationInvalidEntry">
        <source>The application entry “%1” has no command that can be started.</source>
        <translation>The application entry “%1” has no command that can be started.</translation>
    </message>
    <message id="DesktopApplicationMissingProgram">
        <source>The program “%1” of the application cannot be found.</source>
        <translation>The program “%1” of the application cannot be found.</translation>
    </message>
    <message id="DesktopApplicationLaunchFailed">
        <source>The program “%1” cannot be started: %2.</source>
        <translation>The program “%1” cannot be started: %2.</translation>
    </message>
    <message id="QuickLookWindowTitle">
        <source>Quick Look</source>
        <translation>Quick Look</translation>
    </message>
    <message id="QuickLookWindowNoFileTitle">
        <source>No File Selected</source>
        <translation>No File Selected</translation>
    </message>
    <message id="QuickLookWindowNoPreviewTitle">
        <source>No Preview</source>
        <translation>No Preview</translation>
    </message>
    <message id="QuickLookWindowCloseButton">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="QuickLookWindowPinButton">
        <source>Keep Open</source>
        <translation>Keep Open</translation>
    </message>
    <message id="QuickLookWindowUnpinButton">
        <source>Close When Inactive</source>
        <translation>Close When Inactive</translation>
    </message>
    <message id="QuickLookWindowPreviousButton">
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message id="QuickLookWindowNextButton">
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message id="QuickLookWindowHorizontalFlipMenuItem">
        <source>Flip Horizontally</source>
        <translation>Flip Horizontally</translation>
    </message>
    <message id="QuickLookWindowVerticalFlipMenuItem">
        <source>Flip Vertically</source>
        <translation>Flip Vertically</translation>
    </message>
    <message id="QuickLookWindowRotateLeftMenuItem">
        <source>Rotate Left</source>
        <translation>Rotate Left</translation>
    </message>
    <message id="QuickLookWindowRotateRightMenuItem">
        <source>Rotate Right</source>
        <translation>Rotate Right</translation>
    </message>
    <message id="QuickLookWindowRevealMenuItem">
        <source>Show in File Manager</source>
        <translation>Show in File Manager</translation>
    </message>
    <message id="EditorWindowToolbarRemoveFiles">
        <source>Remove Files</source>
        <translation>Remove Files</translation>
    </message>
    <message id="EditorWindowToolbarInspectFiles">
        <source>Inspect Files</source>
        <translation>Inspect Files</translation>
    </message>
    <message id="EditorWindowToolbarEditTags">
        <source>Edit Tags</source>
        <translation>Edit Tags</translation>
    </message>
    <message id="EditorWindowToolbarEraseTags">
        <source>Erase Tags</source>
        <translation>Erase Tags</translation>
    </message>
    <message id="EditorWindowToolbarRestoreTags">
        <source>Restore Tags</source>
        <translation>Restore Tags</translation>
    </message>
    <message id="EditorWindowToolbarEditingActions">
        <source>Editing Actions</source>
        <translation>Editing Actions</translation>
    </message>
    <message id="EditorWindowToolbarEditCovertArt">
        <source>Edit Cover Art</source>
        <translation>Edit Cover Art</translation>
    </message>
    <message id="EditorWindowToolbarDownloadInfo">
        <source>Download Info</source>
        <translation>Download Info</translation>
    </message>
    <message id="EditorWindowToolbarEditLocation">
        <source>Edit Location</source>
        <translation>Edit Location</translation>
    </message>
    <message id="EditorWindowToolbarEraseLocation">
        <source>Erase Location</source>
        <translation>Erase Location</translation>
    </message>
    <message id="EditorWindowToolbarRestoreLocation">
        <source>Restore Location</source>
        <translation>Restore Location</translation>
    </message>
    <message id="EditorWindowToolbarPresets">
        <source>Presets</source>
        <translation>Presets</translation>
    </message>
    <message id="EditorWindowToolbarManagePresets">
        <source>Manage Presets</source>
        <translation>Manage Presets</translation>
    </message>
    <message id="EditorWindowToolbarPhotosRemote">
        <source>Photos Remote</source>
        <translation>Photos Remote</translation>
    </message>
    <message id="EditorWindowToolbarHelp">
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message id="EditorWindowToolbarTasks">
        <source>Tasks</source>
        <translation>Tasks</translation>
    </message>
    <message id="EditorWindowToolbarSyncDates">
        <source>Sync Dates</source>
        <translation>Sync Dates</translation>
    </message>
    <message id="EditorWindowToolbarSidecars">
        <source>Sidecars</source>
        <translation>Sidecars</translation>
    </message>
    <message id="ToolbarPreviewSectionTitle">
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message id="ToolbarTagsSectionTitle">
        <source>Tags</source>
        <translation>Tags</translation>
    </message>
    <message id="ToolbarMapSectionTitle">
        <source>Map</source>
        <translation>Map</translation>
    </message>
    <message id="PresetItemUntitledName">
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message id="EditorWelcomeOpenFromPhotosButton">
        <source>Photo Library…</source>
        <translation>Photo Library…</translation>
    </message>
    <message id="FileImportOptionsWindowTitle">
        <source>Import Options</source>
        <translation>Import Options</translation>
    </message>
    <message id="FileImportOptionsTitle">
        <source>Folders among the files to open</source>
        <translation>Folders among the files to open</translation>
    </message>
    <message id="FileImportOptionsUnfoldFoldersButton">
        <source>Open the files in each folder instead of the folder</source>
        <translation>Open the files in each folder instead of the folder</translation>
    </message>
    <message id="FileImportOptionsRecursiveUnfoldButton">
        <source>Include the files in subfolders</source>
        <translation>Include the files in subfolders</translation>
    </message>
    <message id="FileImportOptionsAllowedTypesLabel">
        <source>Open only these file types:</source>
        <translation>Open only these file types:</translation>
    </message>
    <message id="FileImportOptionsAllowedTypesPlaceholder">
        <source>Every type, e.g. mov, mp4, jpg</source>
        <translation>Every type, e.g. mov, mp4, jpg</translation>
    </message>
    <message id="FileImportOptionsAllowedTypesNote">
        <source>Type file extensions separated by commas; leave the field empty to open every file the application can read.</source>
        <translation>Type file extensions separated by commas; leave the field empty to open every file the application can read.</translation>
    </message>
    <message id="FileImportOptionsContinueButton">
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message id="FolderSettingsWindowTitle">
        <source>Folder Settings</source>
        <translation>Folder Settings</translation>
    </message>
    <message id="FolderSettingsRecurseSubfoldersButton">
        <source>Search the subfolders too</source>
        <translation>Search the subfolders too</translation>
    </message>
    <message id="FolderSettingsFilePathsLabel">
        <source>Take only the files whose paths match:</source>
        <translation>Take only the files whose paths match:</translation>
    </message>
    <message id="FolderSettingsCancelButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="FolderSettingsApplyButton">
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message id="EditionViewTagMuliValueTitle">
        <source>Multiple values</source>
        <translation>Multiple values</translation>
    </message>
    <message id="EditionViewTagNoValueTitle">
        <source>No value</source>
        <translation>No value</translation>
    </message>
    <message id="EditionViewTagCannotBeEditedTitle">
        <source>This tag cannot be edited</source>
        <translation>This tag cannot be edited</translation>
    </message>
    <message id="EditionViewEnterValueHereTitle">
        <source>Enter a value here</source>
        <translation>Enter a value here</translation>
    </message>
    <message id="EditionViewTagValuePopUpYesTitle">
        <source>yes</source>
        <translation>yes</translation>
    </message>
    <message id="EditionViewTagValuePopUpNoTitle">
        <source>no</source>
        <translation>no</translation>
    </message>
    <message id="EditionViewUnknownTypeTitle">
        <source>This kind of value cannot be edited here.</source>
        <translation>This kind of value cannot be edited here.</translation>
    </message>
    <message id="TagNotePlistItunMOVI">
        <source>This tag is stored inside the movie information list of the file; its items are separated by commas.</source>
        <translation>This tag is stored inside the movie information list of the file; its items are separated by commas.</translation>
    </message>
    <message id="PresetEditionKeepCurrentValue">
        <source>Keep current value</source>
        <translation>Keep current value</translation>
    </message>
    <message id="PresetEditionRemoveCurrentValue">
        <source>Remove current value</source>
        <translation>Remove current value</translation>
    </message>
    <message id="PresetEditionRestoreOriginalValue">
        <source>Restore original value</source>
        <translation>Restore original value</translation>
    </message>
    <message id="PresetEditionCopyOtherTagValue">
        <source>Copy another tag's value</source>
        <translation>Copy another tag's value</translation>
    </message>
    <message id="PresetEditionEditCustomValue">
        <source>Set a custom value</source>
        <translation>Set a custom value</translation>
    </message>
    <message id="PresetEditionFindAndReplace">
        <source>Find and replace</source>
        <translation>Find and replace</translation>
    </message>
    <message id="PresetEditionLowercaseText">
        <source>Make lowercase</source>
        <translation>Make lowercase</translation>
    </message>
    <message id="PresetEditionUppercaseText">
        <source>Make uppercase</source>
        <translation>Make uppercase</translation>
    </message>
    <message id="PresetEditionCapitalizeText">
        <source>Capitalise</source>
        <translation>Capitalise</translation>
    </message>
    <message id="PresetEditionTrimText">
        <source>Trim white space</source>
        <translation>Trim white space</translation>
    </message>
    <message id="PresetEditionAscendingSort">
        <source>Sort in ascending order</source>
        <translation>Sort in ascending order</translation>
    </message>
    <message id="PresetEditionDescendingSort">
        <source>Sort in descending order</source>
        <translation>Sort in descending order</translation>
    </message>
    <message id="PresetEditionTagCopyRawReplace">
        <source>Replace with the raw value of %1</source>
        <translation>Replace with the raw value of %1</translation>
    </message>
    <message id="PresetEditionTagCopyRawPrepend">
        <source>Insert the raw value of %1 before</source>
        <translation>Insert the raw value of %1 before</translation>
    </message>
    <message id="PresetEditionTagCopyRawAppend">
        <source>Add the raw value of %1 after</source>
        <translation>Add the raw value of %1 after</translation>
    </message>
    <message id="PresetEditionTagCopyPrettyReplace">
        <source>Replace with the value of %1</source>
        <translation>Replace with the value of %1</translation>
    </message>
    <message id="PresetEditionTagCopyPrettyPrepend">
        <source>Insert the value of %1 before</source>
        <translation>Insert the value of %1 before</translation>
    </message>
    <message id="PresetEditionTagCopyPrettyAppend">
        <source>Add the value of %1 after</source>
        <translation>Add the value of %1 after</translation>
    </message>
    <message id="PresetEditionReplaceCustomValue">
        <source>Replace with “%1”</source>
        <translation>Replace with “%1”</translation>
    </message>
    <message id="PresetEditionPrependCustomValue">
        <source>Insert “%1” before</source>
        <translation>Insert “%1” before</translation>
    </message>
    <message id="PresetEditionAppendCustomValue">
        <source>Add “%1” after</source>
        <translation>Add “%1” after</translation>
    </message>
    <message id="PresetEditionFindAndReplaceActionLabel">
        <source>Replace “%1” with “%2”</source>
        <translation>Replace “%1” with “%2”</translation>
    </message>
    <message id="PresetEditionReplaceTextActionLabel">
        <source>Replace with</source>
        <translation>Replace with</translation>
    </message>
    <message id="PresetEditionPrependTextActionLabel">
        <source>Insert before</source>
        <translation>Insert before</translation>
    </message>
    <message id="PresetEditionAppendTextActionLabel">
        <source>Add after</source>
        <translation>Add after</translation>
    </message>
    <message id="FlatActionEditionDateDistribution">
        <source>Spread dates over the files</source>
        <translation>Spread dates over the files</translation>
    </message>
    <message id="FlatActionEditionDateParsing">
        <source>Read dates from text</source>
        <translation>Read dates from text</translation>
    </message>
    <message id="SpeedEditionSeconds10Title">
        <source>1 s – 1/10 s</source>
        <translation>1 s – 1/10 s</translation>
    </message>
    <message id="SpeedEditionSeconds100Title">
        <source>1/15 s – 1/100 s</source>
        <translation>1/15 s – 1/100 s</translation>
    </message>
    <message id="SpeedEditionSeconds1000Title">
        <source>1/125 s – 1/1000 s</source>
        <translation>1/125 s – 1/1000 s</translation>
    </message>
    <message id="SpeedEditionSeconds10000Title">
        <source>1/2000 s – 1/10000 s</source>
        <translation>1/2000 s – 1/10000 s</translation>
    </message>
    <message id="EditionViewDateSetTodayTitle">
        <source>Now</source>
        <translation>Now</translation>
    </message>
    <message id="EditionViewDateShiftTitle">
        <source>Shift Dates…</source>
        <translation>Shift Dates…</translation>
    </message>
    <message id="EditionViewKeywordsAddTitle">
        <source>Add Keywords</source>
        <translation>Add Keywords</translation>
    </message>
    <message id="PresetEditionReplaceWordsActionLabel">
        <source>Replace with</source>
        <translation>Replace with</translation>
    </message>
    <message id="PresetEditionPrependWordsActionLabel">
        <source>Insert before</source>
        <translation>Insert before</translation>
    </message>
    <message id="PresetEditionAppendWordsActionLabel">
        <source>Add after</source>
        <translation>Add after</translation>
    </message>
    <message id="B64ImageBase64ImageFormat">
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message id="B64ImageUnknownImageFormat">
        <source>Data in an unknown format</source>
        <translation>Data in an unknown format</translation>
    </message>
    <message id="B64ImageChooseTitle">
        <source>Choose Image…</source>
        <translation>Choose Image…</translation>
    </message>
    <message id="B64ImageDeleteTitle">
        <source>Delete Image</source>
        <translation>Delete Image</translation>
    </message>
    <message id="B64ImageCropTitle">
        <source>Crop</source>
        <translation>Crop</translation>
    </message>
    <message id="B64ImageResizeTitle">
        <source>Resize</source>
        <translation>Resize</translation>
    </message>
    <message id="B64ImageResizeToTitle">
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
    <message id="B64ImageFileFilterTitle">
        <source>Images (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message id="B64ImageUnreadableFileMessage">
        <source>“%1” cannot be used as an image: %2</source>
        <translation>“%1” cannot be used as an image: %2</translation>
    </message>
    <message id="B64ImageTooLargeReason">
        <source>the image is too large (%1 × %2 pixels)</source>
        <translation>the image is too large (%1 × %2 pixels)</translation>
    </message>
    <message id="DateEditionComponentDayTitle">
        <source>Day</source>
        <translation>Day</translation>
    </message>
    <message id="DateEditionComponentMonthTitle">
        <source>Month</source>
        <translation>Month</translation>
    </message>
    <message id="DateEditionComponentYearTitle">
        <source>Year</source>
        <translation>Year</translation>
    </message>
    <message id="DateEditionComponentHourTitle">
        <source>Hour</source>
        <translation>Hour</translation>
    </message>
    <message id="DateEditionComponentMinuteTitle">
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message id="DateEditionComponentSecondTitle">
        <source>Second</source>
        <translation>Second</translation>
    </message>
    <message id="StoreImporterWindowTitle">
        <source>Download Movie Information</source>
        <translation>Download Movie Information</translation>
    </message>
    <message id="StoreImporterSearchMovie">
        <source>Search a movie or a show</source>
        <translation>Search a movie or a show</translation>
    </message>
    <message id="StoreImporterChooseArtwork">
        <source>Choose the cover art</source>
        <translation>Choose the cover art</translation>
    </message>
    <message id="StoreImporterServiceLabel">
        <source>Database:</source>
        <translation>Database:</translation>
    </message>
    <message id="StoreImporterLanguageLabel">
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message id="StoreImporterNamePlaceholder">
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message id="StoreImporterSeasonPlaceholder">
        <source>Season</source>
        <translation>Season</translation>
    </message>
    <message id="StoreImporterEpisodePlaceholder">
        <source>Episode</source>
        <translation>Episode</translation>
    </message>
    <message id="StoreImporterSearchAction">
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message id="StoreImporterGoBackAction">
        <source>Go Back</source>
        <translation>Go Back</translation>
    </message>
    <message id="StoreImporterCancelAction">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="StoreImporterContinueAction">
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message id="StoreImporterNoArtworkAction">
        <source>No Artwork</source>
        <translation>No Artwork</translation>
    </message>
    <message id="StoreImporterWithArtworkAction">
        <source>Use Artwork</source>
        <translation>Use Artwork</translation>
    </message>
    <message id="StoreImporterTagColumn">
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message id="StoreImporterValueColumn">
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message id="StoreImporterServiceError">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="StoreImporterNothingFound">
        <source>%1 found nothing for “%2”.</source>
        <translation>%1 found nothing for “%2”.</translation>
    </message>
    <message id="StoreImporterArtworkFailed">
        <source>The artwork could not be downloaded from %1 (%2). Try again, choose another artwork or choose No Artwork.</source>
        <translation>The artwork could not be downloaded from %1 (%2). Try again, choose another artwork or choose No Artwork.</translation>
    </message>
    <message id="MetadataErrorMissingKey">
        <source>no API key. Set %1 (see the README).</source>
        <translation>no API key. Set %1 (see the README).</translation>
    </message>
    <message id="MetadataErrorRejectedKey">
        <source>the service refused the API key (HTTP %1).</source>
        <translation>the service refused the API key (HTTP %1).</translation>
    </message>
    <message id="MetadataErrorRateLimited">
        <source>too many requests (HTTP 429). Wait a minute and search again.</source>
        <translation>too many requests (HTTP 429). Wait a minute and search again.</translation>
    </message>
    <message id="MetadataErrorNetwork">
        <source>the service could not be reached: %1</source>
        <translation>the service could not be reached: %1</translation>
    </message>
    <message id="MetadataErrorTimeout">
        <source>no answer within %1 seconds.</source>
        <translation>no answer within %1 seconds.</translation>
    </message>
    <message id="MetadataErrorMalformed">
        <source>the answer could not be read.</source>
        <translation>the answer could not be read.</translation>
    </message>
    <message id="MetadataErrorNotFound">
        <source>“%1” was not found.</source>
        <translation>“%1” was not found.</translation>
    </message>
    <message id="MetadataErrorStatus">
        <source>the service answered HTTP %1.</source>
        <translation>the service answered HTTP %1.</translation>
    </message>
    <message id="DownloadInfoTagNotWritten">
        <source>%1 was not written (“%2”): ExifTool cannot write this tag.</source>
        <translation>%1 was not written (“%2”): ExifTool cannot write this tag.</translation>
    </message>
    <message id="DownloadInfoValueNotConverted">
        <source>%1 was not written: “%2” is not a value this tag can hold.</source>
        <translation>%1 was not written: “%2” is not a value this tag can hold.</translation>
    </message>
    <message id="KeywordNameColumnTitle">
        <source>Keyword</source>
        <translation>Keyword</translation>
    </message>
    <message id="KeywordHeaderColumnTitle">
        <source>Header</source>
        <translation>Header</translation>
    </message>
    <message id="KeywordPersonColumnTitle">
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message id="KeywordSynonymsColumnTitle">
        <source>Synonyms</source>
        <translation>Synonyms</translation>
    </message>
    <message id="KeywordEditWindowTitle">
        <source>Keyword</source>
        <translation>Keyword</translation>
    </message>
    <message id="KeywordEditValueLabel">
        <source>Keyword:</source>
        <translation>Keyword:</translation>
    </message>
    <message id="KeywordEditHeaderLabel">
        <source>Header keyword</source>
        <translation>Header keyword</translation>
    </message>
    <message id="KeywordEditPersonLabel">
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message id="KeywordEditSynonymsLabel">
        <source>Synonyms:</source>
        <translation>Synonyms:</translation>
    </message>
    <message id="KeywordEditSynonymPlaceholder">
        <source>New synonym</source>
        <translation>New synonym</translation>
    </message>
    <message id="KeywordEditAddSynonymAction">
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message id="KeywordEditDeleteSynonymAction">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="KeywordEditCancelAction">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="KeywordEditSaveAction">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="KeywordManagerWindowTitle">
        <source>Keywords</source>
        <translation>Keywords</translation>
    </message>
    <message id="KeywordManagerWindowSubtitle">
        <source>%1 keywords</source>
        <translation>%1 keywords</translation>
    </message>
    <message id="KeywordManagerPlaceholder">
        <source>No keywords yet. Create one with the + button, or import a keyword file.</source>
        <translation>No keywords yet. Create one with the + button, or import a keyword file.</translation>
    </message>
    <message id="KeywordManagerCreateMenuItem">
        <source>New Keyword</source>
        <translation>New Keyword</translation>
    </message>
    <message id="KeywordManagerEditMenuItem">
        <source>Edit Keyword…</source>
        <translation>Edit Keyword…</translation>
    </message>
    <message id="KeywordManagerDeleteMenuItem">
        <source>Delete Keyword</source>
        <translation>Delete Keyword</translation>
    </message>
    <message id="KeywordManagerImportMenuItem">
        <source>Import Keywords…</source>
        <translation>Import Keywords…</translation>
    </message>
    <message id="KeywordManagerExportMenuItem">
        <source>Export Keyword…</source>
        <translation>Export Keyword…</translation>
    </message>
    <message id="KeywordManagerWindowToolbarCreate">
        <source>New</source>
        <translation>New</translation>
    </message>
    <message id="KeywordManagerWindowToolbarDelete">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="KeywordManagerWindowToolbarEdit">
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message id="KeywordManagerWindowToolbarFiles">
        <source>Files</source>
        <translation>Files</translation>
    </message>
    <message id="KeywordManagerWindowToolbarHelp">
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message id="KeywordFileTypeName">
        <source>Keyword files</source>
        <translation>Keyword files</translation>
    </message>
    <message id="KeywordImportPanelTitle">
        <source>Import Keywords</source>
        <translation>Import Keywords</translation>
    </message>
    <message id="KeywordExportPanelTitle">
        <source>Export Keyword</source>
        <translation>Export Keyword</translation>
    </message>
    <message id="KeywordDefaultExportFilename">
        <source>Keywords.txt</source>
        <translation>Keywords.txt</translation>
    </message>
    <message id="KeywordImportOverlayTitle">
        <source>Importing Keywords</source>
        <translation>Importing Keywords</translation>
    </message>
    <message id="KeywordImportOverlaySubtitle">
        <source>Reading the keyword file…</source>
        <translation>Reading the keyword file…</translation>
    </message>
    <message id="KeywordExportOverlayTitle">
        <source>Exporting Keywords</source>
        <translation>Exporting Keywords</translation>
    </message>
    <message id="KeywordExportOverlaySubtitle">
        <source>Writing the keyword file…</source>
        <translation>Writing the keyword file…</translation>
    </message>
    <message id="KeywordImportDidFailMessageText">
        <source>The keywords cannot be imported.</source>
        <translation>The keywords cannot be imported.</translation>
    </message>
    <message id="KeywordImportDidFailInformativeText">
        <source>%1 No keyword was added.</source>
        <translation>%1 No keyword was added.</translation>
    </message>
    <message id="KeywordImportDidFailOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="KeywordExportDidFailMessageText">
        <source>The keyword cannot be exported.</source>
        <translation>The keyword cannot be exported.</translation>
    </message>
    <message id="KeywordExportDidFailInformativeText">
        <source>%1 An earlier file of that name is left as it was.</source>
        <translation>%1 An earlier file of that name is left as it was.</translation>
    </message>
    <message id="KeywordExportDidFailOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="KeywordSaveDidFailMessageText">
        <source>The keywords cannot be saved.</source>
        <translation>The keywords cannot be saved.</translation>
    </message>
    <message id="KeywordSaveDidFailInformativeText">
        <source>%1 Your changes are kept and saved again at the next opportunity.</source>
        <translation>%1 Your changes are kept and saved again at the next opportunity.</translation>
    </message>
    <message id="KeywordSaveDidFailOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="ExportTagValuesTaskTitle">
        <source>Export %1 files</source>
        <translation>Export %1 files</translation>
    </message>
    <message id="ExportTagValuesTaskDescription">
        <source>Writing the tags of %1 file(s) into “%2”</source>
        <translation>Writing the tags of %1 file(s) into “%2”</translation>
    </message>
    <message id="SyncSidecarFilesTaskExportTitle">
        <source>Export %1 sidecar files</source>
        <translation>Export %1 sidecar files</translation>
    </message>
    <message id="SyncSidecarFilesTaskImportTitle">
        <source>Import %1 sidecar files</source>
        <translation>Import %1 sidecar files</translation>
    </message>
    <message id="SyncSidecarFilesTaskImportCopiesTitle">
        <source>Import tags from copies</source>
        <translation>Import tags from copies</translation>
    </message>
    <message id="SidecarWriteError">
        <source>“%1” could not be written for “%2”: %3</source>
        <translation>“%1” could not be written for “%2”: %3</translation>
    </message>
    <message id="SidecarSourceMissingError">
        <source>“%1” is gone or is not a file: nothing was exported from it.</source>
        <translation>“%1” is gone or is not a file: nothing was exported from it.</translation>
    </message>
    <message id="SidecarFolderMissingError">
        <source>The folder “%1” is gone: nothing was exported for “%2”.</source>
        <translation>The folder “%1” is gone: nothing was exported for “%2”.</translation>
    </message>
    <message id="SidecarFolderReadOnlyError">
        <source>The folder “%1” cannot be written: nothing was exported for “%2”.</source>
        <translation>The folder “%1” cannot be written: nothing was exported for “%2”.</translation>
    </message>
    <message id="SidecarExistsError">
        <source>“%1” already exists and was kept as it is: the tags of “%2” were not exported.</source>
        <translation>“%1” already exists and was kept as it is: the tags of “%2” were not exported.</translation>
    </message>
    <message id="SidecarBackupError">
        <source>“%1” was not updated: no backup copy could be made in “%2” (%3).</source>
        <translation>“%1” was not updated: no backup copy could be made in “%2” (%3).</translation>
    </message>
    <message id="SidecarNoProfileError">
        <source>“%1” holds no colour profile to export.</source>
        <translation>“%1” holds no colour profile to export.</translation>
    </message>
    <message id="SidecarIsFileError">
        <source>“%1” would be its own sidecar: nothing was done.</source>
        <translation>“%1” would be its own sidecar: nothing was done.</translation>
    </message>
    <message id="SidecarMissingError">
        <source>No sidecar “%1” was found for “%2”.</source>
        <translation>No sidecar “%1” was found for “%2”.</translation>
    </message>
    <message id="SidecarReadError">
        <source>The sidecar “%1” of “%2” could not be read: %3</source>
        <translation>The sidecar “%1” of “%2” could not be read: %3</translation>
    </message>
    <message id="ImportTagValuesTaskTitle">
        <source>Import tags</source>
        <translation>Import tags</translation>
    </message>
    <message id="ImportTagValuesTaskDescription">
        <source>Copying the tags of “%1” into %2 file(s)</source>
        <translation>Copying the tags of “%1” into %2 file(s)</translation>
    </message>
    <message id="ImportSourceMissingError">
        <source>“%1” is gone or is not a file: no tags were imported.</source>
        <translation>“%1” is gone or is not a file: no tags were imported.</translation>
    </message>
    <message id="ImportSourceReadError">
        <source>The tags of “%1” could not be read, so none were imported: %2</source>
        <translation>The tags of “%1” could not be read, so none were imported: %2</translation>
    </message>
    <message id="ExportCSVTableTaskTitle">
        <source>Export CSV table</source>
        <translation>Export CSV table</translation>
    </message>
    <message id="ExportCSVTableTaskDescription">
        <source>Writing “%1” with %2 file(s)</source>
        <translation>Writing “%1” with %2 file(s)</translation>
    </message>
    <message id="CSVTableWriteError">
        <source>The table “%1” could not be written: %2</source>
        <translation>The table “%1” could not be written: %2</translation>
    </message>
    <message id="CSVTableBackupError">
        <source>The table “%1” was not replaced: no backup copy could be made in “%2” (%3).</source>
        <translation>The table “%1” was not replaced: no backup copy could be made in “%2” (%3).</translation>
    </message>
    <message id="ImportCSVTableTaskTitle">
        <source>Import CSV table</source>
        <translation>Import CSV table</translation>
    </message>
    <message id="ImportCSVTableTaskDescription">
        <source>Reading “%1”</source>
        <translation>Reading “%1”</translation>
    </message>
    <message id="CSVTableReadError">
        <source>The table “%1” could not be read: %2</source>
        <translation>The table “%1” could not be read: %2</translation>
    </message>
    <message id="CSVTableParseError">
        <source>The table “%1” is not a CSV table (line %2: %3): nothing was imported.</source>
        <translation>The table “%1” is not a CSV table (line %2: %3): nothing was imported.</translation>
    </message>
    <message id="CSVTableNoSourceFileError">
        <source>The table “%1” has no “SourceFile” column naming the files: nothing was imported.</source>
        <translation>The table “%1” has no “SourceFile” column naming the files: nothing was imported.</translation>
    </message>
    <message id="CSVTableUnknownColumnError">
        <source>The table “%1” has a column “%2” that names no known tag: it was left out.</source>
        <translation>The table “%1” has a column “%2” that names no known tag: it was left out.</translation>
    </message>
    <message id="CSVTableReadOnlyColumnError">
        <source>The column “%2” of the table “%1” holds a tag that cannot be written: it was left out.</source>
        <translation>The column “%2” of the table “%1” holds a tag that cannot be written: it was left out.</translation>
    </message>
    <message id="CSVTableRowNoFileError">
        <source>Row %2 of the table “%1” names “%3”, which is not among the files: the row was left out.</source>
        <translation>Row %2 of the table “%1” names “%3”, which is not among the files: the row was left out.</translation>
    </message>
    <message id="CSVTableValueError">
        <source>Row %2 of the table “%1” (“%3”): the tag %4 cannot take the value “%5”, which was left out.</source>
        <translation>Row %2 of the table “%1” (“%3”): the tag %4 cannot take the value “%5”, which was left out.</translation>
    </message>
    <message id="FileExportThumbnailsTaskTitle">
        <source>Export thumbnails</source>
        <translation>Export thumbnails</translation>
    </message>
    <message id="FileExportRawPreviewsTaskTitle">
        <source>Export raw previews</source>
        <translation>Export raw previews</translation>
    </message>
    <message id="FileExportImagesTaskDescription">
        <source>Saving the images of %1 file(s) into “%2”</source>
        <translation>Saving the images of %1 file(s) into “%2”</translation>
    </message>
    <message id="ExportImageFolderMissingError">
        <source>The folder “%1” is gone: no image was exported.</source>
        <translation>The folder “%1” is gone: no image was exported.</translation>
    </message>
    <message id="ExportImageReadError">
        <source>“%1” could not be read: %2</source>
        <translation>“%1” could not be read: %2</translation>
    </message>
    <message id="ExportImageNoThumbnailError">
        <source>“%1” holds no EXIF thumbnail.</source>
        <translation>“%1” holds no EXIF thumbnail.</translation>
    </message>
    <message id="ExportImageNoPreviewError">
        <source>“%1” holds no JPEG image of its raw data.</source>
        <translation>“%1” holds no JPEG image of its raw data.</translation>
    </message>
    <message id="ExportImageExistsError">
        <source>“%1” already exists and was kept: the image of “%2” was not exported.</source>
        <translation>“%1” already exists and was kept: the image of “%2” was not exported.</translation>
    </message>
    <message id="ExportImageWriteError">
        <source>“%1” could not be written for “%2”: %3</source>
        <translation>“%1” could not be written for “%2”: %3</translation>
    </message>
    <message id="SidecarKindError">
        <source>“%1” beside “%2” is not a %3 file: nothing was imported from it.</source>
        <translation>“%1” beside “%2” is not a %3 file: nothing was imported from it.</translation>
    </message>
    <message id="TransferingUnsavedFilesMessageText">
        <source>Some of the files have unsaved changes.</source>
        <translation>Some of the files have unsaved changes.</translation>
    </message>
    <message id="TransferingUnsavedFilesInformativeText">
        <source>The files are handed over as they are on disk: their unsaved changes stay here and are not sent.</source>
        <translation>The files are handed over as they are on disk: their unsaved changes stay here and are not sent.</translation>
    </message>
    <message id="TransferingUnsavedFilesRemoveButton">
        <source>Hand Over</source>
        <translation>Hand Over</translation>
    </message>
    <message id="TransferingUnsavedFilesCancelButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="ExportingUnsavedFilesMessageText">
        <source>Some of the files have unsaved changes.</source>
        <translation>Some of the files have unsaved changes.</translation>
    </message>
    <message id="ExportingUnsavedFilesInformativeText">
        <source>The files are exported as they are on disk: their unsaved changes stay here and are not exported.</source>
        <translation>The files are exported as they are on disk: their unsaved changes stay here and are not exported.</translation>
    </message>
    <message id="ExportingUnsavedFilesRemoveButton">
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message id="ExportingUnsavedFilesCancelButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="SidecarPanelChooseButtonTitle">
        <source>Choose</source>
        <translation>Choose</translation>
    </message>
    <message id="SidecarPanelAuthorizeButtonTitle">
        <source>Allow</source>
        <translation>Allow</translation>
    </message>
    <message id="LocationImportFailedMessageText">
        <source>The location could not be taken from the file.</source>
        <translation>The location could not be taken from the file.</translation>
    </message>
    <message id="LocationImportFailedInformativeText">
        <source>“%1” cannot be read: %2. No location tag was changed.</source>
        <translation>“%1” cannot be read: %2. No location tag was changed.</translation>
    </message>
    <message id="LocationImportFailedOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="AboutAppPlacesCredit">
        <source>Place names: GeoNames (geonames.org), CC BY 4.0.</source>
        <translation>Place names: GeoNames (geonames.org), CC BY 4.0.</translation>
    </message>
    <message id="AboutAppBaseMapCredit">
        <source>Offline base map: Natural Earth (naturalearthdata.com), public domain; the Blue Marble picture of the earth: NASA Earth Observatory.</source>
        <translation>Offline base map: Natural Earth (naturalearthdata.com), public domain; the Blue Marble picture of the earth: NASA Earth Observatory.</translation>
    </message>
    <message id="EditorMapCorvelleWindowTitle">
        <source>Map</source>
        <translation>Map</translation>
    </message>
    <message id="MapSectionTileAttribution">
        <source>© OpenStreetMap contributors</source>
        <translation>© OpenStreetMap contributors</translation>
    </message>
    <message id="FindLocationWindowTitle">
        <source>Find a Location</source>
        <translation>Find a Location</translation>
    </message>
    <message id="FindLocationSearchPlaceholder">
        <source>Town, or coordinates such as 47.3769, 8.5417</source>
        <translation>Town, or coordinates such as 47.3769, 8.5417</translation>
    </message>
    <message id="FindLocationZoomIn">
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message id="FindLocationZoomOut">
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message id="FindLocationSetButton">
        <source>Set Location</source>
        <translation>Set Location</translation>
    </message>
    <message id="FindLocationCancelButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="FolderImportGeotagTaskTitle">
        <source>Geotagging files from a GPS track</source>
        <translation>Geotagging files from a GPS track</translation>
    </message>
    <message id="FolderExportGeotagTaskTitle">
        <source>Exporting GPS positions</source>
        <translation>Exporting GPS positions</translation>
    </message>
    <message id="GeotagTrackUnreadableError">
        <source>The GPS track cannot be read: %1. No file was changed.</source>
        <translation>The GPS track cannot be read: %1. No file was changed.</translation>
    </message>
    <message id="GeotagBackupError">
        <source>The file was not geotagged because its backup could not be made: %1</source>
        <translation>The file was not geotagged because its backup could not be made: %1</translation>
    </message>
    <message id="GeotagImportError">
        <source>The files could not be geotagged: %1</source>
        <translation>The files could not be geotagged: %1</translation>
    </message>
    <message id="GeotagExportError">
        <source>The positions could not be written: %1</source>
        <translation>The positions could not be written: %1</translation>
    </message>
    <message id="GeotagExportNothingWarning">
        <source>None of the files has a GPS position: nothing was exported.</source>
        <translation>None of the files has a GPS position: nothing was exported.</translation>
    </message>
    <message id="GeotagTrackFilesFilter">
        <source>GPS tracks</source>
        <translation>GPS tracks</translation>
    </message>
    <message id="ImportPanelImportButtonTitle">
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message id="ExportPanelExportButtonTitle">
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message id="GeotagsSyncZoneLabel">
        <source>Time zone of the camera clock (hours : minutes : seconds east of UTC):</source>
        <translation>Time zone of the camera clock (hours : minutes : seconds east of UTC):</translation>
    </message>
    <message id="SelectOneTagNamePickerTitle">
        <source>Choose the date tag whose date and time go into the GPS date and time stamps:</source>
        <translation>Choose the date tag whose date and time go into the GPS date and time stamps:</translation>
    </message>
    <message id="CleanTagValuesTaskTitle">
        <source>Deleting tag blocks</source>
        <translation>Deleting tag blocks</translation>
    </message>
    <message id="CleanTagValuesTaskDescription">
        <source>Deleting tag blocks from %1 files</source>
        <translation>Deleting tag blocks from %1 files</translation>
    </message>
    <message id="SyncTagValuesTaskTitle">
        <source>Synchronising tag values in folders</source>
        <translation>Synchronising tag values in folders</translation>
    </message>
    <message id="SyncTagValuesTaskDescription">
        <source>Copying tag values inside %1 files</source>
        <translation>Copying tag values inside %1 files</translation>
    </message>
    <message id="DeleteItunMoviTaskTitle">
        <source>Removing the movie property list</source>
        <translation>Removing the movie property list</translation>
    </message>
    <message id="DeleteItunMoviTaskDescription">
        <source>Removing the movie property list from %1 files</source>
        <translation>Removing the movie property list from %1 files</translation>
    </message>
    <message id="ImmediateWriteFileMissingError">
        <source>“%1” was not changed: the file no longer exists.</source>
        <translation>“%1” was not changed: the file no longer exists.</translation>
    </message>
    <message id="ImmediateWriteNotAFileError">
        <source>“%1” was not changed: it is not a file.</source>
        <translation>“%1” was not changed: it is not a file.</translation>
    </message>
    <message id="ImmediateWriteFileReadOnlyError">
        <source>“%1” was not changed: the file is read-only.</source>
        <translation>“%1” was not changed: the file is read-only.</translation>
    </message>
    <message id="ImmediateWriteFolderReadOnlyError">
        <source>“%1” was not changed: its folder “%2” is read-only.</source>
        <translation>“%1” was not changed: its folder “%2” is read-only.</translation>
    </message>
    <message id="ImmediateWriteUnreadableNameError">
        <source>“%1” was not changed: its name in “%2” is “%3”, which is not UTF-8 text and cannot be carried here.</source>
        <translation>“%1” was not changed: its name in “%2” is “%3”, which is not UTF-8 text and cannot be carried here.</translation>
    </message>
    <message id="ImmediateWriteFolderHasNoFilesError">
        <source>Nothing was changed in “%1”: the folder holds no file that can be opened here.</source>
        <translation>Nothing was changed in “%1”: the folder holds no file that can be opened here.</translation>
    </message>
    <message id="ImmediateWriteBackupError">
        <source>“%1” was not changed: no backup copy could be made in “%2” (%3).</source>
        <translation>“%1” was not changed: no backup copy could be made in “%2” (%3).</translation>
    </message>
    <message id="ImmediateWriteFileError">
        <source>“%1” was not changed: %2</source>
        <translation>“%1” was not changed: %2</translation>
    </message>
    <message id="ImmediateWriteRereadError">
        <source>“%1” was changed, but could not be read again: %2</source>
        <translation>“%1” was changed, but could not be read again: %2</translation>
    </message>
    <message id="ImmediateWriteStoppedError">
        <source>“%1” was not changed: the task stopped at an earlier error.</source>
        <translation>“%1” was not changed: the task stopped at an earlier error.</translation>
    </message>
    <message id="DeleteItunMoviFileError">
        <source>“%1” was not changed: %2</source>
        <translation>“%1” was not changed: %2</translation>
    </message>
    <message id="NoDefinedSectionTitle">
        <source>No Defined Section</source>
        <translation>No Defined Section</translation>
    </message>
    <message id="EditorMetadataCorvelleWindowTitle">
        <source>Corvelle</source>
        <translation>Corvelle</translation>
    </message>
    <message id="EditionTagListJumpToSectionTitle">
        <source>Jump to Section</source>
        <translation>Jump to Section</translation>
    </message>
    <message id="EditorTagBarPlaceholderTitle">
        <source>No Tags
Select one or more files to see their tags.</source>
        <translation>No Tags
Select one or more files to see their tags.</translation>
    </message>
    <message id="EditorTagBarSelectTagsButtonToolTip">
        <source>Select Tags Matching…</source>
        <translation>Select Tags Matching…</translation>
    </message>
    <message id="EditorTagBarSelectDatesButtonToolTip">
        <source>Select the Date Tags</source>
        <translation>Select the Date Tags</translation>
    </message>
    <message id="EditorTagBarFilterTagsButtonToolTip">
        <source>Filter Tags…</source>
        <translation>Filter Tags…</translation>
    </message>
    <message id="EditorTagBarManageTagsButtonToolTip">
        <source>Displayed Tags…</source>
        <translation>Displayed Tags…</translation>
    </message>
    <message id="TagNamePickerWindowTitle">
        <source>Choose a Tag</source>
        <translation>Choose a Tag</translation>
    </message>
    <message id="TagStreamPickerWindowTitle">
        <source>Choose a Tag Stream</source>
        <translation>Choose a Tag Stream</translation>
    </message>
    <message id="TagNamesPickerWindowTitle">
        <source>Choose Tags</source>
        <translation>Choose Tags</translation>
    </message>
    <message id="TagStreamsPickerWindowTitle">
        <source>Choose Tag Streams</source>
        <translation>Choose Tag Streams</translation>
    </message>
    <message id="TagPickerSearchPlaceholder">
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message id="TagPickerCancelButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="TagPickerApplyButton">
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message id="TagPickerAddButton">
        <source>Add →</source>
        <translation>Add →</translation>
    </message>
    <message id="TagPickerRemoveButton">
        <source>← Remove</source>
        <translation>← Remove</translation>
    </message>
    <message id="TagPickerAvailableLabel">
        <source>Found:</source>
        <translation>Found:</translation>
    </message>
    <message id="TagPickerChosenLabel">
        <source>Chosen:</source>
        <translation>Chosen:</translation>
    </message>
    <message id="EditorPanelCancelTouchButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="EditorPanelSortTouchButton">
        <source>Sort</source>
        <translation>Sort</translation>
    </message>
    <message id="EditorPanelApplyTouchButton">
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message id="SelectSeveralTagStreamsPickerTitle">
        <source>Choose the tag streams to act on:</source>
        <translation>Choose the tag streams to act on:</translation>
    </message>
    <message id="SelectSeveralExcludedTagStreamsPickerTitle">
        <source>Choose the tag streams to leave out of the import:</source>
        <translation>Choose the tag streams to leave out of the import:</translation>
    </message>
    <message id="SelectSeveralExcludedTagNamesPickerTitle">
        <source>Choose the tags to leave out of the import:</source>
        <translation>Choose the tags to leave out of the import:</translation>
    </message>
    <message id="SelectCSVTableTagNamesPickerTitle">
        <source>Choose the tags that make the columns of the table, in their order:</source>
        <translation>Choose the tags that make the columns of the table, in their order:</translation>
    </message>
    <message id="SelectOneDateTagNamePickerTitle">
        <source>Choose the date tag whose date and time go into every other date tag:</source>
        <translation>Choose the date tag whose date and time go into every other date tag:</translation>
    </message>
    <message id="OpenPhotosWindowTitle">
        <source>Open from Photo Library</source>
        <translation>Open from Photo Library</translation>
    </message>
    <message id="OpenPhotosWindowNoAlbumLabel">
        <source>The photo library has no album.</source>
        <translation>The photo library has no album.</translation>
    </message>
    <message id="OpenPhotosWindowNoLibraryFolderLabel">
        <source>No photo library folder is chosen. Choose one in the preferences.</source>
        <translation>No photo library folder is chosen. Choose one in the preferences.</translation>
    </message>
    <message id="OpenPhotosWindowLibraryMissingLabel">
        <source>The photo library folder “%1” does not exist. Choose another one in the preferences.</source>
        <translation>The photo library folder “%1” does not exist. Choose another one in the preferences.</translation>
    </message>
    <message id="OpenPhotosWindowLibraryNotFolderLabel">
        <source>The photo library “%1” is not a folder. Choose a folder in the preferences.</source>
        <translation>The photo library “%1” is not a folder. Choose a folder in the preferences.</translation>
    </message>
    <message id="OpenPhotosWindowLibraryUnreadableLabel">
        <source>The photo library folder “%1” cannot be read: permission denied.</source>
        <translation>The photo library folder “%1” cannot be read: permission denied.</translation>
    </message>
    <message id="OpenPhotosWindowEmptyLibraryLabel">
        <source>No videos to show.</source>
        <translation>No videos to show.</translation>
    </message>
    <message id="OpenPhotosWindowZoomOutButton">
        <source>Smaller</source>
        <translation>Smaller</translation>
    </message>
    <message id="OpenPhotosWindowZoomInButton">
        <source>Larger</source>
        <translation>Larger</translation>
    </message>
    <message id="OpenPhotosWindowCancelButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="OpenPhotosWindowOpenButton">
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message id="OpenPhotosWindowCancelTouchButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="OpenPhotosWindowOpenTouchButton">
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message id="PhotosAlbumAllItemsName">
        <source>All Items</source>
        <translation>All Items</translation>
    </message>
    <message id="PhotosAlbumFavoritesName">
        <source>Favourites</source>
        <translation>Favourites</translation>
    </message>
    <message id="PhotosAlbumUntitledName">
        <source>Untitled Album</source>
        <translation>Untitled Album</translation>
    </message>
    <message id="GeneralPreferencesPhotoLibraryLabel">
        <source>Photo library:</source>
        <translation>Photo library:</translation>
    </message>
    <message id="GeneralPreferencesChoosePhotoLibraryButton">
        <source>Choose…</source>
        <translation>Choose…</translation>
    </message>
    <message id="GeneralPreferencesPhotoLibraryPanelTitle">
        <source>Choose the Photo Library Folder</source>
        <translation>Choose the Photo Library Folder</translation>
    </message>
    <message id="FileExportToPhotosTaskTitle">
        <source>Export to Photo Library</source>
        <translation>Export to Photo Library</translation>
    </message>
    <message id="FileExportToPhotosTaskDescription">
        <source>Copying %1 file(s) into “%2”</source>
        <translation>Copying %1 file(s) into “%2”</translation>
    </message>
    <message id="ExportToPhotosLibraryMissingError">
        <source>The photo library folder “%1” does not exist: no file was exported. Choose another one in the preferences.</source>
        <translation>The photo library folder “%1” does not exist: no file was exported. Choose another one in the preferences.</translation>
    </message>
    <message id="ExportToPhotosCopyError">
        <source>“%1” could not be copied into the photo library: %2</source>
        <translation>“%1” could not be copied into the photo library: %2</translation>
    </message>
    <message id="EditorRawViewNoValue">
        <source>The selected files hold no tags to compare.</source>
        <translation>The selected files hold no tags to compare.</translation>
    </message>
    <message id="EditorInspectCorvelleWindowTitle">
        <source>Raw Tags</source>
        <translation>Raw Tags</translation>
    </message>
    <message id="EditorComparatorWindowSubtitle">
        <source>%1 file(s) compared</source>
        <translation>%1 file(s) compared</translation>
    </message>
    <message id="EditorWindowToolbarGoBackTitle">
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message id="EditorWindowToolbarSearchValue">
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message id="EditorWindowSearchValueTooltip">
        <source>Show only the tags whose name, title or value holds this text</source>
        <translation>Show only the tags whose name, title or value holds this text</translation>
    </message>
    <message id="EditorWindowToolbarTags">
        <source>Tags</source>
        <translation>Tags</translation>
    </message>
    <message id="EditorWindowToolbarExport">
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message id="EditorRawFocusSearchField">
        <source>Search Values</source>
        <translation>Search Values</translation>
    </message>
    <message id="EditorRawCopyTagsNames">
        <source>Copy Tag Names</source>
        <translation>Copy Tag Names</translation>
    </message>
    <message id="EditorRawAddToDisplayedTags">
        <source>Add to Displayed Tags</source>
        <translation>Add to Displayed Tags</translation>
    </message>
    <message id="EditorRawExportTableToTXT">
        <source>Export as Text (TXT)…</source>
        <translation>Export as Text (TXT)…</translation>
    </message>
    <message id="EditorRawExportTableToRTF">
        <source>Export as Rich Text (RTF)…</source>
        <translation>Export as Rich Text (RTF)…</translation>
    </message>
    <message id="EditorRawExportTableToCSV">
        <source>Export as Spreadsheet (CSV)…</source>
        <translation>Export as Spreadsheet (CSV)…</translation>
    </message>
    <message id="EditorInspectExportDidFailMessageText">
        <source>The tag comparison could not be exported.</source>
        <translation>The tag comparison could not be exported.</translation>
    </message>
    <message id="EditorInspectExportDidFailInformativeText">
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message id="EditorInspectExportDidFailOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="TagSetCommitDidFailMessageText">
        <source>The displayed tags could not be stored.</source>
        <translation>The displayed tags could not be stored.</translation>
    </message>
    <message id="TagSetCommitDidFailInformativeText">
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message id="TagSetCommitDidFailOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="TagSetExportDidFailMessageText">
        <source>The tag set could not be exported.</source>
        <translation>The tag set could not be exported.</translation>
    </message>
    <message id="TagSetExportDidFailInformativeText">
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message id="TagSetExportDidFailOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="TagSetDefaultExportFilename">
        <source>Displayed Tags.cvtagset</source>
        <translation>Displayed Tags.cvtagset</translation>
    </message>
    <message id="TagSetFilesFilter">
        <source>Tag sets</source>
        <translation>Tag sets</translation>
    </message>
    <message id="EditorPanelCloseTouchButton">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="TagListOptionsWindowTitle">
        <source>Displayed Tags</source>
        <translation>Displayed Tags</translation>
    </message>
    <message id="TagListOptionsInstructions">
        <source>Compose the tags the Tags section shows: drag tags from the left into the list on the right, between its rows, or insert them at the selected row.</source>
        <translation>Compose the tags the Tags section shows: drag tags from the left into the list on the right, between its rows, or insert them at the selected row.</translation>
    </message>
    <message id="TagListOptionsAvailableTagsLabel">
        <source>Available tags</source>
        <translation>Available tags</translation>
    </message>
    <message id="TagListOptionsDisplayedEntriesLabel">
        <source>Displayed tags</source>
        <translation>Displayed tags</translation>
    </message>
    <message id="TagListOptionsSearchPlaceholder">
        <source>Search tags</source>
        <translation>Search tags</translation>
    </message>
    <message id="TagListOptionsSectionPlaceholder">
        <source>New section title</source>
        <translation>New section title</translation>
    </message>
    <message id="TagListOptionsInsertTagsButton">
        <source>&amp;Insert Tags</source>
        <translation>&amp;Insert Tags</translation>
    </message>
    <message id="TagListOptionsInsertSectionButton">
        <source>Insert &amp;Section</source>
        <translation>Insert &amp;Section</translation>
    </message>
    <message id="TagListOptionsDeleteEntriesButton">
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message id="TagListOptionsMoveUpButton">
        <source>Move &amp;Up</source>
        <translation>Move &amp;Up</translation>
    </message>
    <message id="TagListOptionsMoveDownButton">
        <source>Move Do&amp;wn</source>
        <translation>Move Do&amp;wn</translation>
    </message>
    <message id="TagListOptionsRestoreButton">
        <source>&amp;Restore Defaults</source>
        <translation>&amp;Restore Defaults</translation>
    </message>
    <message id="TagListOptionsImportButton">
        <source>I&amp;mport…</source>
        <translation>I&amp;mport…</translation>
    </message>
    <message id="TagListOptionsExportButton">
        <source>E&amp;xport…</source>
        <translation>E&amp;xport…</translation>
    </message>
    <message id="TagListOptionsCloseButton">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="TagFilterOptionsWindowTitle">
        <source>Tag Filter</source>
        <translation>Tag Filter</translation>
    </message>
    <message id="TagFilterOptionsInstructions">
        <source>Show or select the tags that match every condition below.</source>
        <translation>Show or select the tags that match every condition below.</translation>
    </message>
    <message id="TagFilterOptionsNameLabel">
        <source>Tag &amp;name:</source>
        <translation>Tag &amp;name:</translation>
    </message>
    <message id="TagFilterOptionsValueLabel">
        <source>Tag &amp;value:</source>
        <translation>Tag &amp;value:</translation>
    </message>
    <message id="TagFilterOptionsEditionLabel">
        <source>Edition:</source>
        <translation>Edition:</translation>
    </message>
    <message id="TagFilterOptionsStateLabel">
        <source>Value:</source>
        <translation>Value:</translation>
    </message>
    <message id="TagFilterOptionsNamePlaceholder">
        <source>Any name</source>
        <translation>Any name</translation>
    </message>
    <message id="TagFilterOptionsValuePlaceholder">
        <source>Any value</source>
        <translation>Any value</translation>
    </message>
    <message id="TagFilterOptionsResetButton">
        <source>&amp;Reset</source>
        <translation>&amp;Reset</translation>
    </message>
    <message id="TagFilterOptionsCancelButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="TagFilterOptionsApplyButton">
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message id="EditionFileFilterSearchValueTitle">
        <source>contains</source>
        <translation>contains</translation>
    </message>
    <message id="EditionFileFilterUseRegexTitle">
        <source>matches the regular expression</source>
        <translation>matches the regular expression</translation>
    </message>
    <message id="EditionTagFilterIgnoreValueEditionTitle">
        <source>Any</source>
        <translation>Any</translation>
    </message>
    <message id="EditionTagFilterEditedValueEditionTitle">
        <source>Edited</source>
        <translation>Edited</translation>
    </message>
    <message id="EditionTagFilterUneditedValueEditionTitle">
        <source>Unedited</source>
        <translation>Unedited</translation>
    </message>
    <message id="EditionTagFilterIgnoreValueStateTitle">
        <source>Any</source>
        <translation>Any</translation>
    </message>
    <message id="EditionTagFilterWithValueStateTitle">
        <source>With a value</source>
        <translation>With a value</translation>
    </message>
    <message id="EditionTagFilterWithoutValueStateTitle">
        <source>Without a value</source>
        <translation>Without a value</translation>
    </message>
    <message id="MapTypeStandard">
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message id="MapTypeSatellite">
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message id="MapTypeHybrid">
        <source>Hybrid</source>
        <translation>Hybrid</translation>
    </message>
    <message id="MapTypeSatelliteFlyover">
        <source>Satellite (3D)</source>
        <translation>Satellite (3D)</translation>
    </message>
    <message id="MapTypeHybridFlyover">
        <source>Hybrid (3D)</source>
        <translation>Hybrid (3D)</translation>
    </message>
    <message id="MapTypeMutedStandard">
        <source>Muted</source>
        <translation>Muted</translation>
    </message>
    <message id="RemoteApplyChangesDidFailMessageText">
        <source>No files to apply the profile to</source>
        <translation>No files to apply the profile to</translation>
    </message>
    <message id="RemoteApplyChangesDidFailInformativeText">
        <source>Select the files in the editor window first: the profile is applied to the files selected there.</source>
        <translation>Select the files in the editor window first: the profile is applied to the files selected there.</translation>
    </message>
    <message id="RemoteApplyChangesDidFailOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="RemoteApplyChangesDidFinishMessageText">
        <source>The profile was applied</source>
        <translation>The profile was applied</translation>
    </message>
    <message id="RemoteApplyChangesDidFinishInformativeText">
        <source>Files holding its edits in the editor window: %1. Review them there, then save to write them into the files.</source>
        <translation>Files holding its edits in the editor window: %1. Review them there, then save to write them into the files.</translation>
    </message>
    <message id="RemoteApplyChangesDidFinishOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="RemoteApplyChangesDidFinishWithFailuresMessageText">
        <source>The profile could not be applied to every file</source>
        <translation>The profile could not be applied to every file</translation>
    </message>
    <message id="RemoteApplyChangesDidFinishWithFailuresInformativeText">
        <source>Files that did not take all of its edits: %1 of %2. The details name each file and the reason; the other edits wait in the editor window until you save.</source>
        <translation>Files that did not take all of its edits: %1 of %2. The details name each file and the reason; the other edits wait in the editor window until you save.</translation>
    </message>
    <message id="RemoteApplyChangesDidFinishWithFailuresOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="RemoteApplyChangesWasCancelledMessageText">
        <source>The apply was stopped</source>
        <translation>The apply was stopped</translation>
    </message>
    <message id="RemoteApplyChangesWasCancelledInformativeText">
        <source>Some files may hold a part of the edits in the editor window; nothing is written until you save.</source>
        <translation>Some files may hold a part of the edits in the editor window; nothing is written until you save.</translation>
    </message>
    <message id="RemoteApplyChangesWasCancelledOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="RemoteApplyFailureLine">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="RemoteApplyFolderError">
        <source>a folder takes no profile</source>
        <translation>a folder takes no profile</translation>
    </message>
    <message id="RemoteApplyInvalidLocationError">
        <source>the location %1, %2 is not a position on the earth</source>
        <translation>the location %1, %2 is not a position on the earth</translation>
    </message>
    <message id="RemoteApplyNoSelectionError">
        <source>No file is selected in the editor window.</source>
        <translation>No file is selected in the editor window.</translation>
    </message>
    <message id="RemoteApplyNotWritableError">
        <source>its tags cannot be written in this kind of file</source>
        <translation>its tags cannot be written in this kind of file</translation>
    </message>
    <message id="RemoteApplyOverlaySubtitle">
        <source>The edits go to the files selected in the editor window.</source>
        <translation>The edits go to the files selected in the editor window.</translation>
    </message>
    <message id="RemoteApplyOverlayTitle">
        <source>Applying the profile…</source>
        <translation>Applying the profile…</translation>
    </message>
    <message id="RemoteEditCancelAction">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="RemoteEditSaveAction">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="RemoteEditDateTimeSwitch">
        <source>Set the date and time</source>
        <translation>Set the date and time</translation>
    </message>
    <message id="RemoteEditDescriptionSwitch">
        <source>Set the description (leave it empty to erase it)</source>
        <translation>Set the description (leave it empty to erase it)</translation>
    </message>
    <message id="RemoteEditFilenamePlaceholder">
        <source>Title (leave it empty to erase it)</source>
        <translation>Title (leave it empty to erase it)</translation>
    </message>
    <message id="RemoteEditFilenameSwitch">
        <source>Set the title</source>
        <translation>Set the title</translation>
    </message>
    <message id="RemoteEditFilenameUseOriginal">
        <source>Use each file's name</source>
        <translation>Use each file's name</translation>
    </message>
    <message id="RemoteEditKeywordsAddButton">
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message id="RemoteEditKeywordsLibraryLabel">
        <source>Keyword library</source>
        <translation>Keyword library</translation>
    </message>
    <message id="RemoteEditKeywordsPlaceholder">
        <source>Keywords (none erases them)</source>
        <translation>Keywords (none erases them)</translation>
    </message>
    <message id="RemoteEditKeywordsSwitch">
        <source>Set the keywords</source>
        <translation>Set the keywords</translation>
    </message>
    <message id="RemoteEditLocationCoordinatePlaceholder">
        <source>Latitude, longitude</source>
        <translation>Latitude, longitude</translation>
    </message>
    <message id="RemoteEditLocationSwitch">
        <source>Set the location</source>
        <translation>Set the location</translation>
    </message>
    <message id="RemoteEditLocationZoomIn">
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message id="RemoteEditLocationZoomOut">
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message id="RemoteEditLocationZoomToFit">
        <source>Zoom to the Pin</source>
        <translation>Zoom to the Pin</translation>
    </message>
    <message id="RemoteEditProfileDescriptionLabel">
        <source>Description of the profile</source>
        <translation>Description of the profile</translation>
    </message>
    <message id="RemoteEditProfileNameLabel">
        <source>Name of the profile</source>
        <translation>Name of the profile</translation>
    </message>
    <message id="RemoteProfileApplyButton">
        <source>Apply to Selected Files</source>
        <translation>Apply to Selected Files</translation>
    </message>
    <message id="RemoteProfileApplyMenuItem">
        <source>Apply Profile</source>
        <translation>Apply Profile</translation>
    </message>
    <message id="RemoteProfileCreateMenuItem">
        <source>New Profile</source>
        <translation>New Profile</translation>
    </message>
    <message id="RemoteProfileDefaultExportFilename">
        <source>Profiles.rcprofiles</source>
        <translation>Profiles.rcprofiles</translation>
    </message>
    <message id="RemoteProfileDeleteMenuItem">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="RemoteProfileEditMenuItem">
        <source>Edit…</source>
        <translation>Edit…</translation>
    </message>
    <message id="RemoteProfileExportMenuItem">
        <source>Export…</source>
        <translation>Export…</translation>
    </message>
    <message id="RemoteProfileImportMenuItem">
        <source>Import…</source>
        <translation>Import…</translation>
    </message>
    <message id="RemoteProfileFileDateTime">
        <source>Date and time</source>
        <translation>Date and time</translation>
    </message>
    <message id="RemoteProfileFileDescription">
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message id="RemoteProfileFileFilename">
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message id="RemoteProfileFileKeywords">
        <source>Keywords</source>
        <translation>Keywords</translation>
    </message>
    <message id="RemoteProfileFileLocation">
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message id="RemoteProfileFirstUseAlertCancelButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="RemoteProfileFirstUseAlertContinueButton">
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message id="RemoteProfileFirstUseAlertInformativeText">
        <source>Its edits go to the files selected in the editor window (%1). They are written into the files only when you save there.</source>
        <translation>Its edits go to the files selected in the editor window (%1). They are written into the files only when you save there.</translation>
    </message>
    <message id="RemoteProfileFirstUseAlertMessageText">
        <source>Apply the profile to the selected files?</source>
        <translation>Apply the profile to the selected files?</translation>
    </message>
    <message id="RemoteProfileHeaderInformation">
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message id="RemoteProfileHeaderProperties">
        <source>Edits given to each file</source>
        <translation>Edits given to each file</translation>
    </message>
    <message id="RemoteProfileNoSelectionPlaceholder">
        <source>Select a profile to see its edits.</source>
        <translation>Select a profile to see its edits.</translation>
    </message>
    <message id="RemoteProfilePlaceholder">
        <source>No remote profile. Create one with the + button, or import a profiles file.</source>
        <translation>No remote profile. Create one with the + button, or import a profiles file.</translation>
    </message>
    <message id="RemoteProfileProfileDescription">
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message id="RemoteProfileProfileName">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="RemoteProfileUntitledConfiguration">
        <source>Untitled Profile</source>
        <translation>Untitled Profile</translation>
    </message>
    <message id="RemoteProfileWindowSubtitle">
        <source>Profiles: %1</source>
        <translation>Profiles: %1</translation>
    </message>
    <message id="RemoteProfileWindowTitle">
        <source>Photo Library Profiles</source>
        <translation>Photo Library Profiles</translation>
    </message>
    <message id="RemoteProfileWindowToolbarCreate">
        <source>New</source>
        <translation>New</translation>
    </message>
    <message id="RemoteProfileWindowToolbarDelete">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="RemoteProfileWindowToolbarEdit">
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message id="RemoteProfileWindowToolbarFiles">
        <source>Files</source>
        <translation>Files</translation>
    </message>
    <message id="RemoteProfileWindowToolbarHelp">
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message id="RemoteProfilesEditionCount">
        <source>Edits: %1</source>
        <translation>Edits: %1</translation>
    </message>
    <message id="RemoteProfilesExportDidFailMessageText">
        <source>The profiles could not be exported</source>
        <translation>The profiles could not be exported</translation>
    </message>
    <message id="RemoteProfilesExportDidFailInformativeText">
        <source>%1 An existing file was left as it was.</source>
        <translation>%1 An existing file was left as it was.</translation>
    </message>
    <message id="RemoteProfilesExportDidFailOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="RemoteProfilesImportDidFailMessageText">
        <source>The profiles could not be imported</source>
        <translation>The profiles could not be imported</translation>
    </message>
    <message id="RemoteProfilesImportDidFailInformativeText">
        <source>%1 No profile was added.</source>
        <translation>%1 No profile was added.</translation>
    </message>
    <message id="RemoteProfilesImportDidFailOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="RemoteProfilesSaveDidFailMessageText">
        <source>The remote profiles could not be saved</source>
        <translation>The remote profiles could not be saved</translation>
    </message>
    <message id="RemoteProfilesSaveDidFailInformativeText">
        <source>%1 Your changes stay in the window; they are saved with the next change.</source>
        <translation>%1 Your changes stay in the window; they are saved with the next change.</translation>
    </message>
    <message id="RemoteProfilesSaveDidFailOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="RemoteProfilesExportPanelTitle">
        <source>Export Remote Profiles</source>
        <translation>Export Remote Profiles</translation>
    </message>
    <message id="RemoteProfilesImportPanelTitle">
        <source>Import Remote Profiles</source>
        <translation>Import Remote Profiles</translation>
    </message>
    <message id="RemoteProfilesFileTypeName">
        <source>Remote profiles</source>
        <translation>Remote profiles</translation>
    </message>
    <message id="RemotePropertyEraseDescriptionValue">
        <source>erase the description</source>
        <translation>erase the description</translation>
    </message>
    <message id="RemotePropertyEraseFilenameValue">
        <source>erase the title</source>
        <translation>erase the title</translation>
    </message>
    <message id="RemotePropertyEraseKeywordsValue">
        <source>erase the keywords</source>
        <translation>erase the keywords</translation>
    </message>
    <message id="RemotePropertyLatitude">
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message id="RemotePropertyLongitude">
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message id="RemotePropertyNoDescription">
        <source>No description</source>
        <translation>No description</translation>
    </message>
    <message id="RemotePropertyNoEdition">
        <source>no change</source>
        <translation>no change</translation>
    </message>
    <message id="RemotePropertyUseOriginalValue">
        <source>each file's name</source>
        <translation>each file's name</translation>
    </message>
    <message id="ImmediateActionAlertMessageText">
        <source>Change the files now?</source>
        <translation>Change the files now?</translation>
    </message>
    <message id="ImmediateActionAlertInformativeText">
        <source>This change is written into the files right away, not when you save them. Each file is backed up first.</source>
        <translation>This change is written into the files right away, not when you save them. Each file is backed up first.</translation>
    </message>
    <message id="ImmediateActionAlertOKButton">
        <source>Change Files</source>
        <translation>Change Files</translation>
    </message>
    <message id="ImmediateActionAlertCancelButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="TagSyncWithoutFolderAlertMessageText">
        <source>No folder is selected.</source>
        <translation>No folder is selected.</translation>
    </message>
    <message id="TagSyncWithoutFolderAlertInformativeText">
        <source>Tag values are copied inside the files of the selected folders. Select a folder and try again.</source>
        <translation>Tag values are copied inside the files of the selected folders. Select a folder and try again.</translation>
    </message>
    <message id="TagSyncWithoutFolderAlertOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="ItunMoviDeletionWithoutFileAlertMessageText">
        <source>No movie file is selected.</source>
        <translation>No movie file is selected.</translation>
    </message>
    <message id="ItunMoviDeletionWithoutFileAlertInformativeText">
        <source>The movie property list is removed from the selected files, not from folders. Select a movie and try again.</source>
        <translation>The movie property list is removed from the selected files, not from folders. Select a movie and try again.</translation>
    </message>
    <message id="ItunMoviDeletionWithoutFileAlertOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="EditorPanelSaveTouchButton">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="EditorWindowToolbarFindLocation">
        <source>Find Location</source>
        <translation>Find Location</translation>
    </message>
    <message id="PresetEditDescriptionWindowMessage">
        <source>Description:</source>
        <translation>Description:</translation>
    </message>
    <message id="PresetEditDescriptionWindowTitle">
        <source>Edit Description</source>
        <translation>Edit Description</translation>
    </message>
    <message id="PresetEditEditionWindowTitle">
        <source>Preset Entry</source>
        <translation>Preset Entry</translation>
    </message>
    <message id="PresetEditNameWindowMessage">
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message id="PresetEditNameWindowTitle">
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message id="PresetEditStepSelectActionTitle">
        <source>Choose what the preset does with the tag:</source>
        <translation>Choose what the preset does with the tag:</translation>
    </message>
    <message id="PresetEditStepSelectTagsTitle">
        <source>Choose the tag the entry changes:</source>
        <translation>Choose the tag the entry changes:</translation>
    </message>
    <message id="PresetEditionCopyOtherValueFormatterPretty">
        <source>Formatted value</source>
        <translation>Formatted value</translation>
    </message>
    <message id="PresetEditionCopyOtherValueFormatterRaw">
        <source>Raw value</source>
        <translation>Raw value</translation>
    </message>
    <message id="PresetEditionCopyOtherValueInsertionAppend">
        <source>After the current value</source>
        <translation>After the current value</translation>
    </message>
    <message id="PresetEditionCopyOtherValueInsertionPrepend">
        <source>Before the current value</source>
        <translation>Before the current value</translation>
    </message>
    <message id="PresetEditionCopyOtherValueInsertionReplace">
        <source>In place of the current value</source>
        <translation>In place of the current value</translation>
    </message>
    <message id="PresetEditionCopyOtherValueTitle">
        <source>Choose the tag whose value is copied:</source>
        <translation>Choose the tag whose value is copied:</translation>
    </message>
    <message id="PresetEditionFindAndReplaceFindLabel">
        <source>Find:</source>
        <translation>Find:</translation>
    </message>
    <message id="PresetEditionFindAndReplaceIgnoreCase">
        <source>Ignore case</source>
        <translation>Ignore case</translation>
    </message>
    <message id="PresetEditionFindAndReplaceIgnoreDiacritic">
        <source>Ignore diacritics</source>
        <translation>Ignore diacritics</translation>
    </message>
    <message id="PresetEditionFindAndReplaceIgnoreWidth">
        <source>Ignore character width</source>
        <translation>Ignore character width</translation>
    </message>
    <message id="PresetEditionFindAndReplaceReplaceLabel">
        <source>Replace with:</source>
        <translation>Replace with:</translation>
    </message>
    <message id="PresetEditionFindAndReplaceUseRegex">
        <source>Regular expression</source>
        <translation>Regular expression</translation>
    </message>
    <message id="PresetEditionUseCustomValueInsertionAppend">
        <source>Append to the current value</source>
        <translation>Append to the current value</translation>
    </message>
    <message id="PresetEditionUseCustomValueInsertionPrepend">
        <source>Prepend to the current value</source>
        <translation>Prepend to the current value</translation>
    </message>
    <message id="PresetEditionUseCustomValueInsertionReplace">
        <source>Replace the current value</source>
        <translation>Replace the current value</translation>
    </message>
    <message id="PresetManagerAddEditionButton">
        <source>Add Entry</source>
        <translation>Add Entry</translation>
    </message>
    <message id="PresetManagerAddPresetButton">
        <source>Add Preset</source>
        <translation>Add Preset</translation>
    </message>
    <message id="PresetManagerCancelAction">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="PresetManagerContinueAction">
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message id="PresetManagerCreateEditionMenuItem">
        <source>New Entry</source>
        <translation>New Entry</translation>
    </message>
    <message id="PresetManagerCreateGroupMenuItem">
        <source>New Group</source>
        <translation>New Group</translation>
    </message>
    <message id="PresetManagerCreatePresetMenuItem">
        <source>New Preset</source>
        <translation>New Preset</translation>
    </message>
    <message id="PresetManagerDefaultExportFilename">
        <source>Presets.cvpresets</source>
        <translation>Presets.cvpresets</translation>
    </message>
    <message id="PresetManagerDeleteAction">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="PresetManagerDeleteEntriesMenuItem">
        <source>Delete Entries</source>
        <translation>Delete Entries</translation>
    </message>
    <message id="PresetManagerDeleteMenuItem">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="PresetManagerDuplicateMenuItem">
        <source>Duplicate</source>
        <translation>Duplicate</translation>
    </message>
    <message id="PresetManagerEditEntryMenuItem">
        <source>Edit…</source>
        <translation>Edit…</translation>
    </message>
    <message id="PresetManagerEditMenuItem">
        <source>Edit…</source>
        <translation>Edit…</translation>
    </message>
    <message id="PresetManagerEditionsPlaceholder">
        <source>Select a group or a preset.</source>
        <translation>Select a group or a preset.</translation>
    </message>
    <message id="PresetManagerExportDidFailInformativeText">
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message id="PresetManagerExportDidFailMessageText">
        <source>The presets could not be exported.</source>
        <translation>The presets could not be exported.</translation>
    </message>
    <message id="PresetManagerExportDidFailOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="PresetManagerExportMenuItem">
        <source>Export Presets…</source>
        <translation>Export Presets…</translation>
    </message>
    <message id="PresetManagerExportPanelTitle">
        <source>Export Presets</source>
        <translation>Export Presets</translation>
    </message>
    <message id="PresetManagerFileTypeName">
        <source>Preset files</source>
        <translation>Preset files</translation>
    </message>
    <message id="PresetManagerGoBackAction">
        <source>Go Back</source>
        <translation>Go Back</translation>
    </message>
    <message id="PresetManagerGroupDescription">
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message id="PresetManagerGroupHeaderInformation">
        <source>Group</source>
        <translation>Group</translation>
    </message>
    <message id="PresetManagerGroupName">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="PresetManagerGroupNoDescription">
        <source>No description</source>
        <translation>No description</translation>
    </message>
    <message id="PresetManagerImportMenuItem">
        <source>Import Presets…</source>
        <translation>Import Presets…</translation>
    </message>
    <message id="PresetManagerImportPanelTitle">
        <source>Import Presets</source>
        <translation>Import Presets</translation>
    </message>
    <message id="PresetManagerPasteMenuItem">
        <source>Paste Copied Tags</source>
        <translation>Paste Copied Tags</translation>
    </message>
    <message id="PresetManagerPlaceholder">
        <source>No presets yet. Create a group or a preset to begin.</source>
        <translation>No presets yet. Create a group or a preset to begin.</translation>
    </message>
    <message id="PresetManagerPresetCount">
        <source>%1 presets</source>
        <translation>%1 presets</translation>
    </message>
    <message id="PresetManagerPresetDescription">
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message id="PresetManagerPresetHeaderEdits">
        <source>Entries</source>
        <translation>Entries</translation>
    </message>
    <message id="PresetManagerPresetHeaderInformation">
        <source>Preset</source>
        <translation>Preset</translation>
    </message>
    <message id="PresetManagerPresetName">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="PresetManagerPresetNoDescription">
        <source>No description</source>
        <translation>No description</translation>
    </message>
    <message id="PresetManagerSaveAction">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="PresetManagerSaveDidFailInformativeText">
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message id="PresetManagerSaveDidFailMessageText">
        <source>The presets could not be saved.</source>
        <translation>The presets could not be saved.</translation>
    </message>
    <message id="PresetManagerSaveDidFailOKButton">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="PresetManagerSearchLocationMenuItem">
        <source>Add Location…</source>
        <translation>Add Location…</translation>
    </message>
    <message id="PresetManagerWindowTitle">
        <source>Presets</source>
        <translation>Presets</translation>
    </message>
    <message id="PresetManagerWindowToolbarCreate">
        <source>New</source>
        <translation>New</translation>
    </message>
    <message id="PresetManagerWindowToolbarDelete">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="PresetManagerWindowToolbarEdit">
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message id="PresetManagerWindowToolbarFiles">
        <source>Files</source>
        <translation>Files</translation>
    </message>
    <message id="PresetManagerWindowToolbarHelp">
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message id="PresetManagerWindowToolbarPaste">
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message id="SavePresetWindowCancelButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="SavePresetWindowDetailLabel">
        <source>Description:</source>
        <translation>Description:</translation>
    </message>
    <message id="SavePresetWindowMessage">
        <source>Save the values of the selected tags as a new preset.</source>
        <translation>Save the values of the selected tags as a new preset.</translation>
    </message>
    <message id="SavePresetWindowNameLabel">
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message id="SavePresetWindowSaveButton">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="SavePresetWindowTitle">
        <source>Save as Preset</source>
        <translation>Save as Preset</translation>
    </message>
    <message id="EditorSelectTagsInstructions">
        <source>Choose the tags to edit together:</source>
        <translation>Choose the tags to edit together:</translation>
    </message>
    <message id="EditorSelectTagsTextGroup">
        <source>Edit Texts</source>
        <translation>Edit Texts</translation>
    </message>
    <message id="EditorSelectTagsBooleanGroup">
        <source>Edit Yes or No Values</source>
        <translation>Edit Yes or No Values</translation>
    </message>
    <message id="EditorSelectTagsNumberGroup">
        <source>Edit Numbers</source>
        <translation>Edit Numbers</translation>
    </message>
    <message id="EditorSelectTagsEnumGroup">
        <source>Edit Choices</source>
        <translation>Edit Choices</translation>
    </message>
    <message id="EditorSelectTagsCountryGroup">
        <source>Edit Countries</source>
        <translation>Edit Countries</translation>
    </message>
    <message id="EditorSelectTagsSpeedGroup">
        <source>Edit Speeds</source>
        <translation>Edit Speeds</translation>
    </message>
    <message id="EditorSelectTagsDateTimeGroup">
        <source>Edit Dates and Times</source>
        <translation>Edit Dates and Times</translation>
    </message>
    <message id="EditorSelectTagsKeywordsGroup">
        <source>Edit Keywords</source>
        <translation>Edit Keywords</translation>
    </message>
    <message id="EditorEditValueInfo">
        <source>The value is written into every selected tag of every selected file.</source>
        <translation>The value is written into every selected tag of every selected file.</translation>
    </message>
    <message id="EditorEditRawInfo">
        <source>The text is written as it stands, without any conversion.</source>
        <translation>The text is written as it stands, without any conversion.</translation>
    </message>
    <message id="EditSingleTagTitle">
        <source>Edit %1</source>
        <translation>Edit %1</translation>
    </message>
    <message id="EditSeveralTagsTitle">
        <source>Edit %1 tags</source>
        <translation>Edit %1 tags</translation>
    </message>
    <message id="CannotEditSingleTagTitle">
        <source>%1 cannot be edited</source>
        <translation>%1 cannot be edited</translation>
    </message>
    <message id="CannotEditSeveralTagsTitle">
        <source>These %1 tags cannot be edited</source>
        <translation>These %1 tags cannot be edited</translation>
    </message>
    <message id="EditorSelectActionInstructions">
        <source>Choose the action to apply:</source>
        <translation>Choose the action to apply:</translation>
    </message>
    <message id="EditorDateDistributionInstructions">
        <source>Give each selected file its own date, in file order.</source>
        <translation>Give each selected file its own date, in file order.</translation>
    </message>
    <message id="EditorDateDistributionSplitMethod">
        <source>Spread between two dates</source>
        <translation>Spread between two dates</translation>
    </message>
    <message id="EditorDateDistributionIncrementMethod">
        <source>Add a fixed increment per file</source>
        <translation>Add a fixed increment per file</translation>
    </message>
    <message id="EditorDateDistributionFirstFile">
        <source>First file:</source>
        <translation>First file:</translation>
    </message>
    <message id="EditorDateDistributionLastFile">
        <source>Last file:</source>
        <translation>Last file:</translation>
    </message>
    <message id="EditorDateDistributionYear">
        <source>Years</source>
        <translation>Years</translation>
    </message>
    <message id="EditorDateDistributionMonth">
        <source>Months</source>
        <translation>Months</translation>
    </message>
    <message id="EditorDateDistributionDay">
        <source>Days</source>
        <translation>Days</translation>
    </message>
    <message id="EditorDateDistributionHour">
        <source>Hours</source>
        <translation>Hours</translation>
    </message>
    <message id="EditorDateDistributionMinute">
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message id="EditorDateDistributionSecond">
        <source>Seconds</source>
        <translation>Seconds</translation>
    </message>
    <message id="EditorDateParsingInstructions">
        <source>Read each file's date out of the text of one of its tags:</source>
        <translation>Read each file's date out of the text of one of its tags:</translation>
    </message>
    <message id="EditorDateParsingChooseTag">
        <source>Choose Tag…</source>
        <translation>Choose Tag…</translation>
    </message>
    <message id="EditorDateParsingRegexPlaceholder">
        <source>Regular expression</source>
        <translation>Regular expression</translation>
    </message>
    <message id="EditorDateParsingYear">
        <source>Year:</source>
        <translation>Year:</translation>
    </message>
    <message id="EditorDateParsingMonth">
        <source>Month:</source>
        <translation>Month:</translation>
    </message>
    <message id="EditorDateParsingDay">
        <source>Day:</source>
        <translation>Day:</translation>
    </message>
    <message id="EditorDateParsingHour">
        <source>Hour:</source>
        <translation>Hour:</translation>
    </message>
    <message id="EditorDateParsingMinute">
        <source>Minute:</source>
        <translation>Minute:</translation>
    </message>
    <message id="EditorDateParsingSecond">
        <source>Second:</source>
        <translation>Second:</translation>
    </message>
    <message id="EditorDateParsingMatchNumber">
        <source>Group %1</source>
        <translation>Group %1</translation>
    </message>
    <message id="TagEditingWindowTitle">
        <source>Edit Tags</source>
        <translation>Edit Tags</translation>
    </message>
    <message id="PresetManagerApplyEditAction">
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message id="PresetManagerEditContentAction">
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message id="EditorEditionCopyValues">
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message id="EditorEditionCutValues">
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message id="EditorEditionPasteValues">
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message id="EditorEditionClearValues">
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message id="EditorEditionRestoreValues">
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message id="EditorEditionQuickActions">
        <source>Quick Actions</source>
        <translation>Quick Actions</translation>
    </message>
    <message id="EditorEditionRawEditValues">
        <source>Edit Raw Value</source>
        <translation>Edit Raw Value</translation>
    </message>
    <message id="EditorEditionForceValues">
        <source>Force</source>
        <translation>Force</translation>
    </message>
    <message id="EditorTagSidebarPlaceholder">
        <source>Select tags in the table to edit their values.</source>
        <translation>Select tags in the table to edit their values.</translation>
    </message>
    <message id="UpdateDatesWindowTitle">
        <source>Update Dates</source>
        <translation>Update Dates</translation>
    </message>
    <message id="UpdateDatesInstructions">
        <source>Choose how to change every date of the selected files:</source>
        <translation>Choose how to change every date of the selected files:</translation>
    </message>
    <message id="TagValueSyncWindowTitle">
        <source>Copy Tag Values</source>
        <translation>Copy Tag Values</translation>
    </message>
    <message id="TagValueSyncInstructions">
        <source>Each file's value of a source tag is copied into its destination tag, pair by pair:</source>
        <translation>Each file's value of a source tag is copied into its destination tag, pair by pair:</translation>
    </message>
    <message id="TagValueSyncSourcePlaceholder">
        <source>Source tag</source>
        <translation>Source tag</translation>
    </message>
    <message id="TagValueSyncDestinationPlaceholder">
        <source>Destination tag</source>
        <translation>Destination tag</translation>
    </message>
    <message id="TagValueSyncChooseTag">
        <source>Choose…</source>
        <translation>Choose…</translation>
    </message>
    <message id="TagValueSyncAddPair">
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message id="TagValueSyncRemoveAll">
        <source>Remove All</source>
        <translation>Remove All</translation>
    </message>
    <message id="TagValueSyncDeletePairs">
        <source>Delete Selected Pairs</source>
        <translation>Delete Selected Pairs</translation>
    </message>
    <message id="TagValueSyncDeletePair">
        <source>Delete Pair</source>
        <translation>Delete Pair</translation>
    </message>
    <message id="EditionViewKeywordsManageTitle">
        <source>Edit Library…</source>
        <translation>Edit Library…</translation>
    </message>
    <message id="RemoteEditKeywordsManageButton">
        <source>Edit Library…</source>
        <translation>Edit Library…</translation>
    </message>
    <message id="ServicesPreferencesTitle">
        <source>Services</source>
        <translation>Services</translation>
    </message>
    <message id="ServicesPreferencesToolTip">
        <source>Keys of the online movie and show databases</source>
        <translation>Keys of the online movie and show databases</translation>
    </message>
    <message id="ServicesPreferencesTheMovieDBKeyLabel">
        <source>TheMovieDB key:</source>
        <translation>TheMovieDB key:</translation>
    </message>
    <message id="ServicesPreferencesTheTVDBKeyLabel">
        <source>TheTVDB key:</source>
        <translation>TheTVDB key:</translation>
    </message>
    <message id="ServicesPreferencesTheTVDBPinLabel">
        <source>TheTVDB PIN:</source>
        <translation>TheTVDB PIN:</translation>
    </message>
    <message id="ServicesPreferencesTheMovieDBKeyPlaceholder">
        <source>API key or read-access token</source>
        <translation>API key or read-access token</translation>
    </message>
    <message id="ServicesPreferencesTheTVDBKeyPlaceholder">
        <source>API key</source>
        <translation>API key</translation>
    </message>
    <message id="ServicesPreferencesTheTVDBPinPlaceholder">
        <source>Subscriber PIN, for user-supported keys</source>
        <translation>Subscriber PIN, for user-supported keys</translation>
    </message>
    <message id="ServicesPreferencesKeysNote">
        <source>Used by Download Movie Information. Press Return to keep a key in the keychain; empty its field to remove it.</source>
        <translation>Used by Download Movie Information. Press Return to keep a key in the keychain; empty its field to remove it.</translation>
    </message>
    <message id="ServicesPreferencesKeychainErrorNote">
        <source>The keychain could not be used: %1</source>
        <translation>The keychain could not be used: %1</translation>
    </message>
    <message id="ServicesPreferencesEnvironmentNote">
        <source>Set in the environment and used in place of the kept keys: %1</source>
        <translation>Set in the environment and used in place of the kept keys: %1</translation>
    </message>
    <message id="ServicesPreferencesWhereNote">
        <source>Get a TheMovieDB key at &lt;a href="https://www.themoviedb.org/settings/api"&gt;themoviedb.org/settings/api&lt;/a&gt;, and a TheTVDB key at &lt;a href="https://thetvdb.com/api-information"&gt;thetvdb.com/api-information&lt;/a&gt;. The iTunes store needs no key.</source>
        <translation>Get a TheMovieDB key at &lt;a href="https://www.themoviedb.org/settings/api"&gt;themoviedb.org/settings/api&lt;/a&gt;, and a TheTVDB key at &lt;a href="https://thetvdb.com/api-information"&gt;thetvdb.com/api-information&lt;/a&gt;. The iTunes store needs no key.</translation>
    </message>
    <message id="LocationEditWindowTitle">
        <source>Edit Location</source>
        <translation>Edit Location</translation>
    </message>
    <message id="LocationEditLatitudeLabel">
        <source>Latitude:</source>
        <translation>Latitude:</translation>
    </message>
    <message id="LocationEditLongitudeLabel">
        <source>Longitude:</source>
        <translation>Longitude:</translation>
    </message>
    <message id="LocationEditAltitudeLabel">
        <source>Altitude (m):</source>
        <translation>Altitude (m):</translation>
    </message>
    <message id="LocationEditDirectionLabel">
        <source>Direction (°):</source>
        <translation>Direction (°):</translation>
    </message>
    <message id="LocationEditPlaceNameLabel">
        <source>Place:</source>
        <translation>Place:</translation>
    </message>
    <message id="LocationEditStreetNameLabel">
        <source>Street:</source>
        <translation>Street:</translation>
    </message>
    <message id="LocationEditStreetNumberLabel">
        <source>Number:</source>
        <translation>Number:</translation>
    </message>
    <message id="LocationEditCityLabel">
        <source>City:</source>
        <translation>City:</translation>
    </message>
    <message id="LocationEditStateLabel">
        <source>State:</source>
        <translation>State:</translation>
    </message>
    <message id="LocationEditZipCodeLabel">
        <source>Postal code:</source>
        <translation>Postal code:</translation>
    </message>
    <message id="LocationEditCountryNameLabel">
        <source>Country:</source>
        <translation>Country:</translation>
    </message>
    <message id="LocationEditCountryCodeLabel">
        <source>Country code:</source>
        <translation>Country code:</translation>
    </message>
    <message id="LocationEditCancelButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="LocationEditSaveButton">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="LocationEditLatitudeProblem">
        <source>The latitude must be a number from −90 to 90.</source>
        <translation>The latitude must be a number from −90 to 90.</translation>
    </message>
    <message id="LocationEditLongitudeProblem">
        <source>The longitude must be a number from −180 to 180.</source>
        <translation>The longitude must be a number from −180 to 180.</translation>
    </message>
    <message id="LocationEditAltitudeProblem">
        <source>The altitude must be a number, or left empty.</source>
        <translation>The altitude must be a number, or left empty.</translation>
    </message>
    <message id="LocationEditDirectionProblem">
        <source>The direction must be a number from 0 to 360, or left empty.</source>
        <translation>The direction must be a number from 0 to 360, or left empty.</translation>
    </message>
    <message id="FindLocationFavoritesTitle">
        <source>Favourites</source>
        <translation>Favourites</translation>
    </message>
    <message id="FindLocationFavoritesPlaceholder">
        <source>No favourite places. Add the place on display with +.</source>
        <translation>No favourite places. Add the place on display with +.</translation>
    </message>
    <message id="FindLocationAddToFavorites">
        <source>Add to Favourites</source>
        <translation>Add to Favourites</translation>
    </message>
    <message id="FindLocationDeleteFavorite">
        <source>Delete Favourite</source>
        <translation>Delete Favourite</translation>
    </message>
    <message id="FindLocationRenameFavorite">
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message id="FindLocationEditFavorite">
        <source>Edit…</source>
        <translation>Edit…</translation>
    </message>
    <message id="FindLocationEditCurrentLocation">
        <source>Edit…</source>
        <translation>Edit…</translation>
    </message>
    <message id="FindLocationFavoritesSaveDidFail">
        <source>The favourite places could not be saved: %1</source>
        <translation>The favourite places could not be saved: %1</translation>
    </message>
    <message id="LocationItemUntitled">
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message id="MapSidebarDDdddddLabel">
        <source>Degrees:</source>
        <translation>Degrees:</translation>
    </message>
    <message id="MapSidebarDDMMmmmLabel">
        <source>Degrees, minutes:</source>
        <translation>Degrees, minutes:</translation>
    </message>
    <message id="MapSidebarDDMMSSsLabel">
        <source>Deg., min., sec.:</source>
        <translation>Deg., min., sec.:</translation>
    </message>
    <message id="MapSidebarISO6709Label">
        <source>ISO 6709:</source>
        <translation>ISO 6709:</translation>
    </message>
    <message id="MapSidebarAddressLabel">
        <source>Address (IPTC):</source>
        <translation>Address (IPTC):</translation>
    </message>
    <message id="MapSidebarPlaceholder">
        <source>No file selected</source>
        <translation>No file selected</translation>
    </message>
    <message id="MapSidebarCopyLocation">
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message id="MapSidebarCutLocation">
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message id="MapSidebarPasteLocation">
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message id="MapSidebarClearLocation">
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message id="MapSidebarRestoreLocation">
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message id="MapSidebarImportLocation">
        <source>Import from File…</source>
        <translation>Import from File…</translation>
    </message>
    <message id="MapSidebarSearchLocation">
        <source>Find Location…</source>
        <translation>Find Location…</translation>
    </message>
    <message id="EditorMapBarOptions">
        <source>Map Options</source>
        <translation>Map Options</translation>
    </message>
    <message id="EditorMapBarZoomIn">
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message id="EditorMapBarZoomOut">
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message id="EditorMapBarZoomToFit">
        <source>Zoom to the Selected Files</source>
        <translation>Zoom to the Selected Files</translation>
    </message>
    <message id="EditorMapBarCenterSelection">
        <source>Centre on the Selected Files</source>
        <translation>Centre on the Selected Files</translation>
    </message>
    <message id="EditorMapBarShowOtherItems">
        <source>Show Other Files</source>
        <translation>Show Other Files</translation>
    </message>
    <message id="EditorMapBarDisplayFilename">
        <source>Show File Names</source>
        <translation>Show File Names</translation>
    </message>
    <message id="EditorMapBarDisableAutomaticZoom">
        <source>Keep the Map Still</source>
        <translation>Keep the Map Still</translation>
    </message>
    <message id="EditorMapBarAutomaticZoomToFit">
        <source>Zoom to the Selection</source>
        <translation>Zoom to the Selection</translation>
    </message>
    <message id="EditorMapBarAutomaticCenter">
        <source>Centre on the Selection</source>
        <translation>Centre on the Selection</translation>
    </message>
    <message id="EditorWindowToolbarCopyLocation">
        <source>Copy Location</source>
        <translation>Copy Location</translation>
    </message>
    <message id="EditorWindowToolbarAutocompleteLocation">
        <source>Autocomplete Location</source>
        <translation>Autocomplete Location</translation>
    </message>
    <message id="FindLocationDirectionLabel">
        <source>Direction:</source>
        <translation>Direction:</translation>
    </message>
    <message id="FindLocationZoomToFit">
        <source>Zoom to the Place</source>
        <translation>Zoom to the Place</translation>
    </message>
    <message id="FindLocationCenterSelection">
        <source>Centre on the Place</source>
        <translation>Centre on the Place</translation>
    </message>
    <message id="FindLocationMapStyle">
        <source>Map Style</source>
        <translation>Map Style</translation>
    </message>
    <message id="TagMapNoResultsTitle">
        <source>No Results</source>
        <translation>No Results</translation>
    </message>
    <message id="MapBaseMapUnavailableMessage">
        <source>The offline base map cannot be drawn: %1. Where no tile is at hand the map shows a plain background.</source>
        <translation>The offline base map cannot be drawn: %1. Where no tile is at hand the map shows a plain background.</translation>
    </message>
    <message id="MapTilesOfflineMessage">
        <source>Map tiles cannot be loaded (%1). The map shows the tiles kept on disk and the offline base map.</source>
        <translation>Map tiles cannot be loaded (%1). The map shows the tiles kept on disk and the offline base map.</translation>
    </message>
    <message id="FindLocationNoGazetteer">
        <source>no list of places is installed</source>
        <translation>no list of places is installed</translation>
    </message>
    <message id="FindLocationSearchDidFail">
        <source>Towns cannot be searched: %1</source>
        <translation>Towns cannot be searched: %1</translation>
    </message>
</context>
</TS>
