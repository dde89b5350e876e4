<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>DateSpan</name>
    <message numerus="yes">
        <source>%Ln years</source>
        <translation>
            <numerusform>%Ln year</numerusform>
            <numerusform>%Ln years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln months</source>
        <translation>
            <numerusform>%Ln month</numerusform>
            <numerusform>%Ln months</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln day</numerusform>
            <numerusform>%Ln days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DateWording</name>
    <message numerus="yes">
        <source>%Ln wks</source>
        <translation>
            <numerusform>%Ln wk</numerusform>
            <numerusform>%Ln wks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln mons</source>
        <translation>
            <numerusform>%Ln mon</numerusform>
            <numerusform>%Ln mons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln yrs</source>
        <translation>
            <numerusform>%Ln yr</numerusform>
            <numerusform>%Ln yrs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln day</numerusform>
            <numerusform>%Ln days</numerusform>
        </translation>
    </message>
</context>
</TS>
