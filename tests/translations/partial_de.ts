<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>lumenary::BasicsWindow</name>
    <message>
        <source>Quit</source>
        <translation>Ende</translation>
    </message>
</context>
</TS>
