<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>Scoutel</name>
    <message>
        <source>Refresh</source>
        <translation>重新整理</translation>
    </message>
</context>
</TS>
