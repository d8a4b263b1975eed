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
    <message id="LibraryFileContentError">
        <source>The library file “%1” is damaged: the value at “%2” is not what was expected (%3).</source>
        <translation>The library file “%1” is damaged: the value at “%2” is not what was expected (%3).</translation>
    </message>
    <message id="LibraryFileTopContentError">
        <source>The library file “%1” is damaged: it does not hold what was expected (%2).</source>
        <translation>The library file “%1” is damaged: it does not hold what was expected (%2).</translation>
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
        <source>The tag-set file “%1” cannot be read: it is not valid JSON (%2).</source>
        <translation>The tag-set file “%1” cannot be read: it is not valid JSON (%2).</translation>
    </message>
    <message id="TagSetFileContentError">
        <source>The tag-set file “%1” cannot be read: the value at “%2” is not what was expected (%3).</source>
        <translation>The tag-set file “%1” cannot be read: the value at “%2” is not what was expected (%3).</translation>
    </message>
    <message id="TagSetFileTopContentError">
        <source>The tag-set file “%1” cannot be read: it does not hold a tag set (%2).</source>
        <translation>The tag-set file “%1” cannot be read: it does not hold a tag set (%2).</translation>
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
    <message id="TaskItemCancelButton">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="TaskItemCancelButtonToolTip">
        <source>Stop this task. A file being written is finished first.</source>
        <translation>Stop this task. A file being written is finished first.</translation>
    </message>
</context>
</TS>
