<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en_GB">
<context>
    <name></name>
    <message id="AboutGenericMenuItem">
        <source>About %1</source>
        <translation>About %1</translation>
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
</context>
</TS>
