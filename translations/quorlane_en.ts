<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>RunSummary</name>
    <message numerus="yes">
        <location filename="../engine/runsummary.cpp" line="71"/>
        <source>The run was stopped: %n of %1 pictures were not started.</source>
        <translation>
            <numerusform>The run was stopped: %n of %1 pictures was not started.</numerusform>
            <numerusform>The run was stopped: %n of %1 pictures were not started.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/runsummary.cpp" line="79"/>
        <source>%n of %1 pictures could not be processed:</source>
        <translation>
            <numerusform>%n of %1 pictures could not be processed:</numerusform>
            <numerusform>%n of %1 pictures could not be processed:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/runsummary.cpp" line="96"/>
        <source>%n pictures were written from an incomplete file:</source>
        <translation>
            <numerusform>%n picture was written from an incomplete file:</numerusform>
            <numerusform>%n pictures were written from an incomplete file:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/runsummary.cpp" line="112"/>
        <source>%n of %1 pictures were skipped: a picture of the same name is already in the output folder.</source>
        <translation>
            <numerusform>%n of %1 pictures was skipped: a picture of the same name is already in the output folder.</numerusform>
            <numerusform>%n of %1 pictures were skipped: a picture of the same name is already in the output folder.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/runsummary.cpp" line="123"/>
        <source>%n pictures were written without their metadata:</source>
        <translation>
            <numerusform>%n picture was written without its metadata:</numerusform>
            <numerusform>%n pictures were written without their metadata:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/runsummary.cpp" line="134"/>
        <source>%1; %n were encoded again:</source>
        <translation>
            <numerusform>%1; %n was encoded again:</numerusform>
            <numerusform>%1; %n were encoded again:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../engine/runsummary.cpp" line="135"/>
        <source>%n pictures kept their JPEG compression</source>
        <translation>
            <numerusform>%n picture kept its JPEG compression</numerusform>
            <numerusform>%n pictures kept their JPEG compression</numerusform>
        </translation>
    </message>
</context>
</TS>
