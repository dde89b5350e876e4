<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ActivityWords</name>
    <message numerus="yes">
        <source>%Ln Hr</source>
        <extracomment>Hours in the table&apos;s time column, short; %Ln is 1 here.</extracomment>
        <translation>
            <numerusform>%Ln Hr</numerusform>
            <numerusform>%Ln Hr</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Hrs</source>
        <extracomment>Hours in the table&apos;s time column, short (&quot;8 Hrs&quot;).</extracomment>
        <translation>
            <numerusform>%Ln Hr</numerusform>
            <numerusform>%Ln Hrs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Min</source>
        <extracomment>Minutes in the table&apos;s time column, short; %Ln is 1 here.</extracomment>
        <translation>
            <numerusform>%Ln Min</numerusform>
            <numerusform>%Ln Min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln Mins</source>
        <extracomment>Minutes in the table&apos;s time column, short (&quot;30 Mins&quot;).</extracomment>
        <translation>
            <numerusform>%Ln Min</numerusform>
            <numerusform>%Ln Mins</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message numerus="yes">
        <source>%Ln more, %1</source>
        <extracomment>One pie mark for the smallest slices, whose own marks found no room: how many there are and their share together, for example &quot;7 more, 3.5 %&quot;.</extracomment>
        <translation>
            <numerusform>%Ln more, %1</numerusform>
            <numerusform>%Ln more, %1</numerusform>
        </translation>
    </message>
</context>
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
<context>
    <name>LookAhead</name>
    <message numerus="yes">
        <source>%1 years</source>
        <extracomment>%1 is the number of years, written by the program.</extracomment>
        <translation>
            <numerusform>%1 year</numerusform>
            <numerusform>%1 years</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 days</source>
        <extracomment>%1 is the number of days, written by the program.</extracomment>
        <translation>
            <numerusform>%1 day</numerusform>
            <numerusform>%1 days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message numerus="yes">
        <source>%Ln hrs</source>
        <extracomment>A timeline total in hours, short: &quot;116,376 hrs&quot;.</extracomment>
        <translation>
            <numerusform>%Ln hr</numerusform>
            <numerusform>%Ln hrs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln times</source>
        <extracomment>A timeline total of how often something was done: &quot;3 times&quot;.</extracomment>
        <translation>
            <numerusform>%Ln time</numerusform>
            <numerusform>%Ln times</numerusform>
        </translation>
    </message>
</context>
</TS>
