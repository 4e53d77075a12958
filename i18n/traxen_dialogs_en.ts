<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="et">
<context>
    <name>traxen::CKNytaDLG</name>
    <message>
        <source>K ja N SÕLMEDE GEOMEETRIA</source>
        <translation>K AND N JOINT GEOMETRY</translation>
    </message>
    <message>
        <source>Vöö</source>
        <translation>Chord</translation>
    </message>
    <message>
        <source>1. varras</source>
        <translation>Brace 1</translation>
    </message>
    <message>
        <source>2. varras</source>
        <translation>Brace 2</translation>
    </message>
    <message>
        <source>MÄRKUSED</source>
        <translation>NOTES</translation>
    </message>
    <message>
        <source>Ekstsentrilisus e</source>
        <translation>Eccentricity e</translation>
    </message>
    <message>
        <source>VÖÖ</source>
        <translation>CHORD</translation>
    </message>
    <message>
        <source>Pikijõud vöö vasakus otsas</source>
        <translation>Axial force at the chord&apos;s left end</translation>
    </message>
    <message>
        <source>Paindemoment vöös, + M -&gt; vöö alumine pool tõmme</source>
        <translation>Bending moment in the chord, + M -&gt; the chord&apos;s lower half in tension</translation>
    </message>
    <message>
        <source>Vöö nelikanttoru tüüp</source>
        <translation>Type of the chord RHS</translation>
    </message>
    <message>
        <source>Vöö nelikanttoru number</source>
        <translation>Size of the chord RHS</translation>
    </message>
    <message>
        <source>Ülekatteta sõlme vöö pinnalapp</source>
        <translation>Face plate (gap joint)</translation>
    </message>
    <message>
        <source>Ülekatteta sõlme vöö küljelapp</source>
        <translation>Side plates (gap joint)</translation>
    </message>
    <message>
        <source>Ülekattega sõlme varraste vahelapp</source>
        <translation>Plate between braces (overlap)</translation>
    </message>
    <message>
        <source>Sisejõud vöö otsas  %1</source>
        <translation>Chord end force  %1</translation>
    </message>
</context>
<context>
    <name>traxen::CXYTDlg</name>
    <message>
        <source>X,Y ja T SÕLMEDE GEOMEETRIA</source>
        <translation>X, Y AND T JOINT GEOMETRY</translation>
    </message>
    <message>
        <source>Vöö</source>
        <translation>Chord</translation>
    </message>
    <message>
        <source>1. varras</source>
        <translation>Brace 1</translation>
    </message>
    <message>
        <source>MÄRKUS</source>
        <translation>NOTE</translation>
    </message>
    <message>
        <source>VÖÖ</source>
        <translation>CHORD</translation>
    </message>
    <message>
        <source>Sisejõud vöö vasakus otsas</source>
        <translation>Force at the chord&apos;s left end</translation>
    </message>
    <message>
        <source>Paindemoment sõlmes</source>
        <translation>Bending moment at the joint</translation>
    </message>
    <message>
        <source>Vöö nelikanttoru tüüp</source>
        <translation>Type of the chord RHS</translation>
    </message>
    <message>
        <source>Vöö nelikanttoru number</source>
        <translation>Size of the chord RHS</translation>
    </message>
    <message>
        <source>Pinna tugevdus</source>
        <translation>Face plate</translation>
    </message>
    <message>
        <source>Vöö pealmispinna tugevduslapi pikkus</source>
        <translation>Length of the chord face plate</translation>
    </message>
    <message>
        <source>Vöö pealmispinna tugevduslapi laius</source>
        <translation>Width of the chord face plate</translation>
    </message>
    <message>
        <source>Vöö pealmispinna tugevduslapi paksus</source>
        <translation>Thickness of the chord face plate</translation>
    </message>
    <message>
        <source>Külje tugevdus</source>
        <translation>Side plates</translation>
    </message>
    <message>
        <source>Vöö külgpinna tugevduslapi pikkus</source>
        <translation>Length of the chord side plates</translation>
    </message>
    <message>
        <source>Vöö külgpinna tugevduslapi laius</source>
        <translation>Width of the chord side plates</translation>
    </message>
    <message>
        <source>Vöö külgpinna tugevduslapi paksus</source>
        <translation>Thickness of the chord side plates</translation>
    </message>
    <message>
        <source>2. VARRAS</source>
        <translation>BRACE 2</translation>
    </message>
    <message>
        <source>X sõlm</source>
        <translation>X joint</translation>
    </message>
    <message>
        <source>Sisejõud vöö otstes  %1</source>
        <translation>Chord end forces  %1</translation>
    </message>
</context>
<context>
    <name>traxen::ChsJointDialog</name>
    <message>
        <source>Ümartoru d × t</source>
        <translation>CHS d × t</translation>
    </message>
    <message>
        <source>Vali ümartoru ristlõige.</source>
        <translation>Choose a circular hollow section.</translation>
    </message>
</context>
<context>
    <name>traxen::ChsKnDialog</name>
    <message>
        <source>ÜMARTORUDEST K ja N SÕLME GEOMEETRIA</source>
        <translation>CHS K AND N JOINT GEOMETRY</translation>
    </message>
    <message>
        <source>VÖÖ</source>
        <translation>CHORD</translation>
    </message>
    <message>
        <source>Vöö pikijõud sõlmest vasakul, tõmme positiivne</source>
        <translation>Chord axial force left of the joint, tension positive</translation>
    </message>
    <message>
        <source>Paindemoment M&lt;sub&gt;0&lt;/sub&gt;</source>
        <translation>Bending moment M&lt;sub&gt;0&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Paindemoment sõlmes</source>
        <translation>Bending moment at the joint</translation>
    </message>
    <message>
        <source>Ekstsentrilisus e</source>
        <translation>Eccentricity e</translation>
    </message>
    <message>
        <source>Varraste telgede lõikepunkt vöö teljest, + varrastest eemale</source>
        <translation>Intersection of the brace axes from the chord axis, + away from the braces</translation>
    </message>
    <message>
        <source>Voolavuspiir f&lt;sub&gt;y0&lt;/sub&gt;</source>
        <translation>Yield strength f&lt;sub&gt;y0&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Vöö teras</source>
        <translation>Chord steel</translation>
    </message>
    <message>
        <source>Vöö ümartoru</source>
        <translation>Chord CHS</translation>
    </message>
    <message>
        <source>1. VARRAS (vasakul)</source>
        <translation>BRACE 1 (left)</translation>
    </message>
    <message>
        <source>Pikijõud N&lt;sub&gt;1&lt;/sub&gt;</source>
        <translation>Axial force N&lt;sub&gt;1&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>1. varda pikijõud, tõmme positiivne</source>
        <translation>Axial force of brace 1, tension positive</translation>
    </message>
    <message>
        <source>Kaldenurk θ&lt;sub&gt;1&lt;/sub&gt;</source>
        <translation>Angle θ&lt;sub&gt;1&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>1. varda ja vöö vaheline nurk</source>
        <translation>Angle between brace 1 and the chord</translation>
    </message>
    <message>
        <source>Voolavuspiir f&lt;sub&gt;y1&lt;/sub&gt;</source>
        <translation>Yield strength f&lt;sub&gt;y1&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>1. varda teras</source>
        <translation>Brace 1 steel</translation>
    </message>
    <message>
        <source>1. varda ümartoru</source>
        <translation>Brace 1 CHS</translation>
    </message>
    <message>
        <source>2. VARRAS (paremal)</source>
        <translation>BRACE 2 (right)</translation>
    </message>
    <message>
        <source>Kaldenurk θ&lt;sub&gt;2&lt;/sub&gt;</source>
        <translation>Angle θ&lt;sub&gt;2&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>2. varda ja vöö vaheline nurk</source>
        <translation>Angle between brace 2 and the chord</translation>
    </message>
    <message>
        <source>Voolavuspiir f&lt;sub&gt;y2&lt;/sub&gt;</source>
        <translation>Yield strength f&lt;sub&gt;y2&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>2. varda teras</source>
        <translation>Brace 2 steel</translation>
    </message>
    <message>
        <source>2. varda ümartoru</source>
        <translation>Brace 2 CHS</translation>
    </message>
    <message>
        <source>Sisejõud vöö vasakus otsas %1</source>
        <translation>Force at the chord&apos;s left end %1</translation>
    </message>
</context>
<context>
    <name>traxen::ChsSectionChoice</name>
    <message>
        <source> (töö)</source>
        <translation> (job)</translation>
    </message>
</context>
<context>
    <name>traxen::ChsTyxDialog</name>
    <message>
        <source>ÜMARTORUDEST X, Y ja T SÕLME GEOMEETRIA</source>
        <translation>CHS X, Y AND T JOINT GEOMETRY</translation>
    </message>
    <message>
        <source>VÖÖ</source>
        <translation>CHORD</translation>
    </message>
    <message>
        <source>Vöö eelpinge N&lt;sub&gt;0&lt;/sub&gt;</source>
        <translation>Chord prestress N&lt;sub&gt;0&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Vöö pikijõud sõlme kõrval ilma varda komponendita</source>
        <translation>Chord axial force beside the joint, without the brace&apos;s component</translation>
    </message>
    <message>
        <source>Paindemoment M&lt;sub&gt;0&lt;/sub&gt;</source>
        <translation>Bending moment M&lt;sub&gt;0&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Paindemoment sõlmes</source>
        <translation>Bending moment at the joint</translation>
    </message>
    <message>
        <source>Voolavuspiir f&lt;sub&gt;y0&lt;/sub&gt;</source>
        <translation>Yield strength f&lt;sub&gt;y0&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Vöö teras</source>
        <translation>Chord steel</translation>
    </message>
    <message>
        <source>Vöö ümartoru</source>
        <translation>Chord CHS</translation>
    </message>
    <message>
        <source>1. VARRAS</source>
        <translation>BRACE 1</translation>
    </message>
    <message>
        <source>Pikijõud N&lt;sub&gt;1&lt;/sub&gt;</source>
        <translation>Axial force N&lt;sub&gt;1&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Varda pikijõud, tõmme positiivne</source>
        <translation>Axial force of the brace, tension positive</translation>
    </message>
    <message>
        <source>Kaldenurk θ&lt;sub&gt;1&lt;/sub&gt;</source>
        <translation>Angle θ&lt;sub&gt;1&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Varda ja vöö vaheline nurk</source>
        <translation>Angle between the brace and the chord</translation>
    </message>
    <message>
        <source>Voolavuspiir f&lt;sub&gt;y1&lt;/sub&gt;</source>
        <translation>Yield strength f&lt;sub&gt;y1&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Varda teras</source>
        <translation>Brace steel</translation>
    </message>
    <message>
        <source>1. varda ümartoru</source>
        <translation>Brace 1 CHS</translation>
    </message>
    <message>
        <source>X sõlm (2. varras vastaspoolel)</source>
        <translation>X joint (brace 2 at the opposite face)</translation>
    </message>
</context>
<context>
    <name>traxen::DataDialogFrame</name>
    <message>
        <source>Loobu</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>traxen::DialogNumbers</name>
    <message>
        <source>Sisesta arv: %1.</source>
        <translation>Enter a number: %1.</translation>
    </message>
    <message>
        <source>%1 peab olema %2.</source>
        <translation>%1 must be %2.</translation>
    </message>
    <message>
        <source>%1 peab olema %2; kuue komakohaga on see %3.</source>
        <translation>%1 must be %2; with six decimals it is %3.</translation>
    </message>
</context>
<context>
    <name>traxen::InfoDialog</name>
    <message>
        <source>ANDMED TÖÖ KOHTA</source>
        <translation>JOB DETAILS</translation>
    </message>
    <message>
        <source>TÖÖ</source>
        <translation>JOB</translation>
    </message>
    <message>
        <source>TELLIJA</source>
        <translation>CLIENT</translation>
    </message>
    <message>
        <source>ARVUTAS</source>
        <translation>CALCULATED BY</translation>
    </message>
    <message>
        <source>OMANIK</source>
        <translation>OWNER</translation>
    </message>
    <message>
        <source>Töö nimi</source>
        <translation>Name of the job</translation>
    </message>
    <message>
        <source>Töö tellija</source>
        <translation>Client of the job</translation>
    </message>
    <message>
        <source>Arvutuse tegija</source>
        <translation>Who made the calculation</translation>
    </message>
    <message>
        <source>Projekti omanik</source>
        <translation>Owner of the project</translation>
    </message>
</context>
<context>
    <name>traxen::JointDialog</name>
    <message>
        <source>andmed vigased</source>
        <translation>invalid input</translation>
    </message>
</context>
<context>
    <name>traxen::JointDialogs</name>
    <message>
        <source>Profiili tüüp</source>
        <translation>Section type</translation>
    </message>
    <message>
        <source>Profiili nr</source>
        <translation>Section size</translation>
    </message>
    <message>
        <source>%1. VARRAS</source>
        <translation>BRACE %1</translation>
    </message>
    <message>
        <source>Sisejõud %1.vardas otsas</source>
        <translation>Force at the end of brace %1</translation>
    </message>
    <message>
        <source>Sisejõud varda otsas N&lt;sub&gt;%1&lt;/sub&gt;</source>
        <translation>Brace end force N&lt;sub&gt;%1&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>%1. varda kaldenurk</source>
        <translation>Angle of brace %1</translation>
    </message>
    <message>
        <source>Nurk θ&lt;sub&gt;%1&lt;/sub&gt;</source>
        <translation>Angle θ&lt;sub&gt;%1&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>%1. varda nelikanttoru tüüp</source>
        <translation>Type of the brace %1 RHS</translation>
    </message>
    <message>
        <source>%1. varda nelikanttoru number</source>
        <translation>Size of the brace %1 RHS</translation>
    </message>
    <message>
        <source>JOONISTA</source>
        <translation>DRAW</translation>
    </message>
    <message>
        <source>Loobu</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>N&lt;sub&gt;0,v&lt;/sub&gt;</source>
        <translation>N&lt;sub&gt;0,left&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>N&lt;sub&gt;0,p&lt;/sub&gt;</source>
        <translation>N&lt;sub&gt;0,right&lt;/sub&gt;</translation>
    </message>
</context>
<context>
    <name>traxen::LengthsDialog</name>
    <message>
        <source>VARRASTE PIKKUSED</source>
        <translation>MEMBER LENGTHS</translation>
    </message>
    <message>
        <source>VÖÖ VASAK VARRAS </source>
        <translation>LEFT CHORD MEMBER </translation>
    </message>
    <message>
        <source>Vöö vasaku varda pikkus</source>
        <translation>Length of the left chord member</translation>
    </message>
    <message>
        <source>VÖÖ PAREM VARRAS </source>
        <translation>RIGHT CHORD MEMBER </translation>
    </message>
    <message>
        <source>Vöö parema varda pikkus</source>
        <translation>Length of the right chord member</translation>
    </message>
    <message>
        <source>1. VARRAS</source>
        <translation>BRACE 1</translation>
    </message>
    <message>
        <source>Vasakpoolne varras 1</source>
        <translation>Brace 1, the left one</translation>
    </message>
    <message>
        <source>2. VARRAS</source>
        <translation>BRACE 2</translation>
    </message>
    <message>
        <source>Parempoolne varras 2</source>
        <translation>Brace 2, the right one</translation>
    </message>
    <message>
        <source>0.V</source>
        <translation>0,left</translation>
    </message>
    <message>
        <source>0.P</source>
        <translation>0,right</translation>
    </message>
</context>
<context>
    <name>traxen::LibraryError</name>
    <message>
        <source>profdeftraxen.txt ei leidnud!</source>
        <translation>profdeftraxen.txt not found!</translation>
    </message>
    <message>
        <source>profdeftraxen.txt on vigane!</source>
        <translation>profdeftraxen.txt is invalid!</translation>
    </message>
    <message>
        <source>Ei saa avadaa faili .prf</source>
        <translation>Cannot open the .prf file</translation>
    </message>
    <message>
        <source>Profiilifail on vigane!</source>
        <translation>The section file is invalid!</translation>
    </message>
</context>
<context>
    <name>traxen::OpenConfirmation</name>
    <message>
        <source>Faili %1 väärtuste kinnitamine — %2</source>
        <translation>Confirm the values of %1 — %2</translation>
    </message>
    <message>
        <source>Fail %1 on loetud. Kontrolli selle väärtusi: OK võtab need koos sinu muudatustega, „Ava muutmata“ avab faili nii, nagu see on kirjutatud.</source>
        <translation>%1 has been read. Check its values: OK takes them with your changes, “Open unchanged” opens the file as it is written.</translation>
    </message>
    <message>
        <source>Ava muutmata</source>
        <translation>Open unchanged</translation>
    </message>
    <message>
        <source>Avab faili selle väärtustega, ilma dialoogis tehtud muudatusteta</source>
        <translation>Opens the file with its own values, without the changes made in the dialog</translation>
    </message>
</context>
<context>
    <name>traxen::RcJointDialog</name>
    <message>
        <source>Vöö nelikanttoru</source>
        <translation>Chord rectangular hollow section</translation>
    </message>
    <message>
        <source>Nelikanttoru h × b × t</source>
        <translation>RHS h × b × t</translation>
    </message>
    <message>
        <source>Vali vöö nelikanttoru ristlõige.</source>
        <translation>Choose the chord&apos;s rectangular hollow section.</translation>
    </message>
</context>
<context>
    <name>traxen::RcKnDialog</name>
    <message>
        <source>NELIKANTTORUVÖÖ JA ÜMARTORUVARRASTEGA K ja N SÕLME GEOMEETRIA</source>
        <translation>GEOMETRY OF A K AND N JOINT OF CHS BRACES ON AN RHS CHORD</translation>
    </message>
    <message>
        <source>VÖÖ</source>
        <translation>CHORD</translation>
    </message>
    <message>
        <source>Sisejõud vöö vasakus otsas N&lt;sub&gt;0,v&lt;/sub&gt;</source>
        <translation>Force at the chord&apos;s left end N&lt;sub&gt;0,left&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Vöö pikijõud sõlmest vasakul, tõmme positiivne</source>
        <translation>Chord axial force left of the joint, tension positive</translation>
    </message>
    <message>
        <source>Paindemoment M&lt;sub&gt;0&lt;/sub&gt;</source>
        <translation>Bending moment M&lt;sub&gt;0&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Paindemoment sõlmes</source>
        <translation>Bending moment at the joint</translation>
    </message>
    <message>
        <source>Ekstsentrilisus e</source>
        <translation>Eccentricity e</translation>
    </message>
    <message>
        <source>Varraste telgede lõikepunkt vöö teljest, + varrastest eemale</source>
        <translation>Intersection of the brace axes from the chord axis, + away from the braces</translation>
    </message>
    <message>
        <source>Voolavuspiir f&lt;sub&gt;y0&lt;/sub&gt;</source>
        <translation>Yield strength f&lt;sub&gt;y0&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Vöö teras</source>
        <translation>Chord steel</translation>
    </message>
    <message>
        <source>1. VARRAS (vasakul)</source>
        <translation>BRACE 1 (left)</translation>
    </message>
    <message>
        <source>Pikijõud N&lt;sub&gt;1&lt;/sub&gt;</source>
        <translation>Axial force N&lt;sub&gt;1&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>1. varda pikijõud, tõmme positiivne</source>
        <translation>Axial force of brace 1, tension positive</translation>
    </message>
    <message>
        <source>Kaldenurk θ&lt;sub&gt;1&lt;/sub&gt;</source>
        <translation>Angle θ&lt;sub&gt;1&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>1. varda ja vöö vaheline nurk</source>
        <translation>Angle between brace 1 and the chord</translation>
    </message>
    <message>
        <source>Voolavuspiir f&lt;sub&gt;y1&lt;/sub&gt;</source>
        <translation>Yield strength f&lt;sub&gt;y1&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>1. varda teras</source>
        <translation>Brace 1 steel</translation>
    </message>
    <message>
        <source>1. varda ümartoru</source>
        <translation>Brace 1 CHS</translation>
    </message>
    <message>
        <source>2. VARRAS (paremal)</source>
        <translation>BRACE 2 (right)</translation>
    </message>
    <message>
        <source>Kaldenurk θ&lt;sub&gt;2&lt;/sub&gt;</source>
        <translation>Angle θ&lt;sub&gt;2&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>2. varda ja vöö vaheline nurk</source>
        <translation>Angle between brace 2 and the chord</translation>
    </message>
    <message>
        <source>Voolavuspiir f&lt;sub&gt;y2&lt;/sub&gt;</source>
        <translation>Yield strength f&lt;sub&gt;y2&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>2. varda teras</source>
        <translation>Brace 2 steel</translation>
    </message>
    <message>
        <source>2. varda ümartoru</source>
        <translation>Brace 2 CHS</translation>
    </message>
</context>
<context>
    <name>traxen::RcTyxDialog</name>
    <message>
        <source>NELIKANTTORUVÖÖ JA ÜMARTORUVARRASTEGA X, Y ja T SÕLME GEOMEETRIA</source>
        <translation>GEOMETRY OF AN X, Y AND T JOINT OF CHS BRACES ON AN RHS CHORD</translation>
    </message>
    <message>
        <source>VÖÖ</source>
        <translation>CHORD</translation>
    </message>
    <message>
        <source>Sisejõud vöö otstes N&lt;sub&gt;0&lt;/sub&gt;</source>
        <translation>Chord force N&lt;sub&gt;0&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Vöö pikijõud, tõmme positiivne</source>
        <translation>Chord axial force, tension positive</translation>
    </message>
    <message>
        <source>Paindemoment M&lt;sub&gt;0&lt;/sub&gt;</source>
        <translation>Bending moment M&lt;sub&gt;0&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Paindemoment sõlmes</source>
        <translation>Bending moment at the joint</translation>
    </message>
    <message>
        <source>Voolavuspiir f&lt;sub&gt;y0&lt;/sub&gt;</source>
        <translation>Yield strength f&lt;sub&gt;y0&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Vöö teras</source>
        <translation>Chord steel</translation>
    </message>
    <message>
        <source>1. VARRAS</source>
        <translation>BRACE 1</translation>
    </message>
    <message>
        <source>Pikijõud N&lt;sub&gt;1&lt;/sub&gt;</source>
        <translation>Axial force N&lt;sub&gt;1&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Varda pikijõud, tõmme positiivne</source>
        <translation>Axial force of the brace, tension positive</translation>
    </message>
    <message>
        <source>Kaldenurk θ&lt;sub&gt;1&lt;/sub&gt;</source>
        <translation>Angle θ&lt;sub&gt;1&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Varda ja vöö vaheline nurk</source>
        <translation>Angle between the brace and the chord</translation>
    </message>
    <message>
        <source>Voolavuspiir f&lt;sub&gt;y1&lt;/sub&gt;</source>
        <translation>Yield strength f&lt;sub&gt;y1&lt;/sub&gt;</translation>
    </message>
    <message>
        <source>Varda teras</source>
        <translation>Brace steel</translation>
    </message>
    <message>
        <source>1. varda ümartoru</source>
        <translation>Brace 1 CHS</translation>
    </message>
    <message>
        <source>X sõlm (2. varras vastaspoolel)</source>
        <translation>X joint (brace 2 at the opposite face)</translation>
    </message>
</context>
<context>
    <name>traxen::RectangularSectionChoice</name>
    <message>
        <source> (töö)</source>
        <translation> (job)</translation>
    </message>
</context>
<context>
    <name>traxen::SectionPicker</name>
    <message>
        <source>või</source>
        <comment>between the last two section type names</comment>
        <translation>or</translation>
    </message>
    <message>
        <source>%1 profiili tüüp %2 ei ole nelikanttoru. Vali %3.</source>
        <translation>%1 section type %2 is not a rectangular hollow section. Choose %3.</translation>
    </message>
    <message>
        <source>%1: profiili „%2” ei ole loendis. Vali profiil loendist.</source>
        <translation>%1: section “%2” is not in the list. Choose a section from the list.</translation>
    </message>
    <message>
        <source>RUUTTORU</source>
        <translation>Cold-formed SHS</translation>
    </message>
    <message>
        <source>RISTTORU_I</source>
        <translation>Cold-formed RHS</translation>
    </message>
    <message>
        <source>RISTTORU_II</source>
        <translation>Hot-finished RHS</translation>
    </message>
    <message>
        <source>YMARTORU</source>
        <translation>Cold-formed CHS</translation>
    </message>
    <message>
        <source>külmvormitud ruuttoru</source>
        <translation>cold-formed square hollow section</translation>
    </message>
    <message>
        <source>külmvormitud ristkülikutoru</source>
        <translation>cold-formed rectangular hollow section</translation>
    </message>
    <message>
        <source>külmvormitud ümartoru</source>
        <translation>cold-formed circular hollow section</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>what the tube is, its product standard</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>kuumviimistletud ristkülikutoru</source>
        <translation>hot-finished rectangular hollow section</translation>
    </message>
</context>
<context>
    <name>traxen::SteelDialog</name>
    <message>
        <source>TERASE OMADUSED</source>
        <translation>STEEL PROPERTIES</translation>
    </message>
    <message>
        <source>Vöö </source>
        <translation>Chord </translation>
    </message>
    <message>
        <source>Vöö terase normvoolupiir</source>
        <translation>Nominal yield strength of the chord steel</translation>
    </message>
    <message>
        <source>Vöö terase normtõmbetugevus</source>
        <translation>Nominal ultimate tensile strength of the chord steel</translation>
    </message>
    <message>
        <source>Varras 1</source>
        <translation>Brace 1</translation>
    </message>
    <message>
        <source>1. varda terase normvoolupiir</source>
        <translation>Nominal yield strength of the brace 1 steel</translation>
    </message>
    <message>
        <source>1. varda terase normtõmbetugevus</source>
        <translation>Nominal ultimate tensile strength of the brace 1 steel</translation>
    </message>
    <message>
        <source>Varras 2</source>
        <translation>Brace 2</translation>
    </message>
    <message>
        <source>2. varda terase normvoolupiir</source>
        <translation>Nominal yield strength of the brace 2 steel</translation>
    </message>
    <message>
        <source>2. varda terase normtõmbetugevus</source>
        <translation>Nominal ultimate tensile strength of the brace 2 steel</translation>
    </message>
    <message>
        <source>Tugevduslapp</source>
        <translation>Reinforcing plate</translation>
    </message>
    <message>
        <source>Tugevduslappide terase normvoolupiir</source>
        <translation>Nominal yield strength of the reinforcing plate steel</translation>
    </message>
    <message>
        <source> Elastsusmoodul</source>
        <translation> Elastic modulus</translation>
    </message>
    <message>
        <source>Terase elastsusmoodul,Young&apos;i moodul</source>
        <translation>Modulus of elasticity of the steel, Young&apos;s modulus</translation>
    </message>
    <message>
        <source>Osavarutegurid </source>
        <translation>Partial factors </translation>
    </message>
    <message>
        <source>Terase osavarutegur g_M0</source>
        <translation>Partial factor g_M0 of the steel</translation>
    </message>
    <message>
        <source>Terase osavarutegur g_M1</source>
        <translation>Partial factor g_M1 of the steel</translation>
    </message>
    <message>
        <source>Terase osavarutegur g_M2</source>
        <translation>Partial factor g_M2 of the steel</translation>
    </message>
    <message>
        <source>%1: f&lt;sub&gt;u&lt;/sub&gt; = %2 MPa &amp;lt; 1,10 × f&lt;sub&gt;y&lt;/sub&gt; = %3 MPa (EN 1993-1-1 3.2.2)</source>
        <translation>%1: f&lt;sub&gt;u&lt;/sub&gt; = %2 MPa &amp;lt; 1.10 × f&lt;sub&gt;y&lt;/sub&gt; = %3 MPa (EN 1993-1-1 3.2.2)</translation>
    </message>
    <message>
        <source>Hoiatus:</source>
        <translation>Warning:</translation>
    </message>
</context>
<context>
    <name>traxen::SteelGradeBox</name>
    <message>
        <source>EN 1993-1-1 tabel 3.1, t ≤ 40 mm</source>
        <translation>EN 1993-1-1 Table 3.1, t ≤ 40 mm</translation>
    </message>
    <message>
        <source>Terase mark</source>
        <translation>Steel grade</translation>
    </message>
    <message>
        <source>Terase mark: täidab tugevused tabelist %1</source>
        <translation>Steel grade: fills in the strengths from %1</translation>
    </message>
    <message>
        <source>muu</source>
        <translation>other</translation>
    </message>
</context>
</TS>
