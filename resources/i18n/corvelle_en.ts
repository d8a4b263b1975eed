<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en_GB">
<context>
    <name></name>
    <message id="AboutGenericMenuItem">
        <source>About %1</source>
        <translation>About %1</translation>
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
</context>
</TS>
