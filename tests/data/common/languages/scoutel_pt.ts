<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>Scoutel</name>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
</context>
</TS>
