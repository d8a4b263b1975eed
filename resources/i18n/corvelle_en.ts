<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en_GB">
<context>
    <name></name>
    <message id="AboutGenericMenuItem">
        <source>About %1</source>
        <translation>About %1</translation>
    </message>
    <message id="TaskUnexpectedFailure">
        <source>The task stopped unexpectedly: %1</source>
        <translation>The task stopped unexpectedly: %1</translation>
    </message>
</context>
</TS>
