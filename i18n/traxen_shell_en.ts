<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="et">
<context>
    <name>traxen::AboutDialog</name>
    <message>
        <source>INFO PROGRAMMI TRAXEN KOHTA</source>
        <translation>ABOUT TRAXEN</translation>
    </message>
    <message>
        <source>TRAXEN
Versioon %1
endise TRAXEN Windows variant</source>
        <translation>TRAXEN
Version %1
formerly TRAXEN for Windows</translation>
    </message>
    <message>
        <source>Litsents %1</source>
        <translation>Licence %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>traxen::Document</name>
    <message>
        <source>%1: sõlme profiile ei leitud profiilide loendist, sõlme dialoog näitab loendi esimesi profiile ja OK kirjutaks need sõlmele: %2</source>
        <translation>%1: the joint&apos;s sections were not found in the section lists; the joint dialog shows the lists&apos; first sections and OK would write them to the joint: %2</translation>
    </message>
    <message>
        <source>Ava %1</source>
        <translation>Open %1</translation>
    </message>
    <message>
        <source>%1: faili ei saa salvestada: see on kaust</source>
        <translation>%1: the file cannot be saved: it is a folder</translation>
    </message>
    <message>
        <source>%1: faili ei saa salvestada: fail on kirjutuskaitstud</source>
        <translation>%1: the file cannot be saved: the file is read-only</translation>
    </message>
</context>
<context>
    <name>traxen::FileDialogLabels</name>
    <message>
        <source>Kaust:</source>
        <translation>Look in:</translation>
    </message>
    <message>
        <source>Faili nimi:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Failitüüp:</source>
        <translation>Files of type:</translation>
    </message>
    <message>
        <source>Loobu</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>traxen::HelpWindow</name>
    <message>
        <source>TRAXEN kasutusjuhend</source>
        <translation>TRAXEN manual</translation>
    </message>
    <message>
        <source>Kasutusjuhendit ei leitud: %1 puudub kaustast %2 ja andmekaustadest.</source>
        <translation>The manual was not found: %1 is missing from the folder %2 and from the data folders.</translation>
    </message>
</context>
<context>
    <name>traxen::JointTableModel</name>
    <message>
        <source>Vigane rida</source>
        <translation>Bad row</translation>
    </message>
    <message>
        <source>Korras!</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ei rahulda!</source>
        <translation>NOT OK</translation>
    </message>
    <message>
        <source>Ei rahulda! (eeldused)</source>
        <translation>NOT OK (range of validity)</translation>
    </message>
    <message>
        <source>Nr</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Sõlm</source>
        <translation>Joint</translation>
    </message>
    <message>
        <source>Tüüp</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Profiilid</source>
        <translation>Sections</translation>
    </message>
    <message>
        <source>Määrav kontroll</source>
        <translation>Governing check</translation>
    </message>
    <message>
        <source>η max</source>
        <translation>η max</translation>
    </message>
    <message>
        <source>Tulemus</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Viga</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>eeldused pole täidetud: %1</source>
        <translation>outside the range of validity: %1</translation>
    </message>
    <message>
        <source>Eeldused pole täidetud: kandevõimet ei arvutatud</source>
        <translation>Outside the range of validity: resistances are not computed</translation>
    </message>
    <message>
        <source>Muudetud, salvestamata</source>
        <translation>Changed, not saved</translation>
    </message>
    <message>
        <source>Topeltklõps avab sõlme aruande</source>
        <translation>Double-click opens the joint&apos;s report</translation>
    </message>
</context>
<context>
    <name>traxen::JointTableWindow</name>
    <message>
        <source>Sõlmede tabelid (*.csv);;Kõik failid (*.*)</source>
        <translation>Joint tables (*.csv);;All files (*.*)</translation>
    </message>
    <message>
        <source>Ekspordi PDF...</source>
        <translation>Export PDF...</translation>
    </message>
    <message>
        <source>Kokkuvõte ja iga sõlme aruanne ühte PDF-faili</source>
        <translation>The summary and every joint&apos;s report in one PDF file</translation>
    </message>
    <message>
        <source>Salvesta</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Salvesta tabel CSV-failina</source>
        <translation>Save the table as a CSV file</translation>
    </message>
    <message>
        <source>Salvesta nagu...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Salvesta tabel uue CSV-failina</source>
        <translation>Save the table as a new CSV file</translation>
    </message>
    <message>
        <source>Sõlmede tabel</source>
        <translation>Joint table</translation>
    </message>
    <message>
        <source>Kontrollin: %v / %m</source>
        <translation>Checking: %v / %m</translation>
    </message>
    <message>
        <source>%1 sõlme, kontrollitud %2</source>
        <translation>Joints: %1, checked: %2</translation>
    </message>
    <message>
        <source>%1 sõlme: kõik Korras!</source>
        <translation>Joints: %1, all OK</translation>
    </message>
    <message>
        <source>%1 sõlme: %2 ei rahulda</source>
        <translation>Joints: %1, NOT OK: %2</translation>
    </message>
    <message>
        <source>, %1 vigast rida</source>
        <translation>, bad rows: %1</translation>
    </message>
    <message>
        <source>%1: sõlme profiile ei leitud profiilide loendist, sõlme dialoog näitab loendi esimesi profiile ja OK kirjutaks need sõlmele: %2</source>
        <translation>%1: the joint&apos;s sections were not found in the section lists; the joint dialog shows the lists&apos; first sections and OK would write them to the joint: %2</translation>
    </message>
    <message>
        <source>Sõlmede tabel: %1%2</source>
        <translation>Joint table: %1%2</translation>
    </message>
    <message>
        <source>rida %1 (%2)</source>
        <translation>row %1 (%2)</translation>
    </message>
    <message>
        <source>%1: PDF-i ei kirjutatud: tabelis pole sõlmi</source>
        <translation>%1: the PDF was not written: the table has no joints</translation>
    </message>
    <message>
        <source>%1: PDF-i ei kirjutatud: tabelis on vigaseid ridu, ilma nendeta näeks aruanne täielik välja: %2</source>
        <translation>%1: the PDF was not written: the table has bad rows, and without them the report would look complete: %2</translation>
    </message>
    <message>
        <source>Koostan aruannet...</source>
        <translation>Making the report...</translation>
    </message>
    <message>
        <source>Ekspordi PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>%1: ei salvestatud: %2</source>
        <translation>%1: not saved: %2</translation>
    </message>
    <message>
        <source>PDF failid (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Kõik failid (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>Ekspordi</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>PDF kirjutatud: %1</source>
        <translation>PDF written: %1</translation>
    </message>
    <message>
        <source>Salvestatud: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>Salvesta tabel nagu</source>
        <translation>Save Table As</translation>
    </message>
    <message>
        <source>Kas salvestada %1 muudatused?</source>
        <translation>Save the changes to %1?</translation>
    </message>
    <message>
        <source>Imporditud: %1</source>
        <translation>Imported: %1</translation>
    </message>
    <message>
        <source>Impordi sõlmede tabel</source>
        <translation>Import Joint Table</translation>
    </message>
    <message>
        <source>Impordi</source>
        <translation>Import</translation>
    </message>
</context>
<context>
    <name>traxen::MainWindow</name>
    <message>
        <source>TRAXEN failid (*.trx *.json);;Kõik failid (*.*)</source>
        <translation>TRAXEN files (*.trx *.json);;All files (*.*)</translation>
    </message>
    <message>
        <source>Dokumendiaknad</source>
        <translation>Document windows</translation>
    </message>
    <message>
        <source>Pealkirja riba</source>
        <translation>Caption bar</translation>
    </message>
    <message>
        <source>Nimetu %1</source>
        <translation>Untitled %1</translation>
    </message>
    <message>
        <source>Ava</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Ühtegi tööd pole avatud</source>
        <translation>No job is open</translation>
    </message>
    <message>
        <source>TÖÖ: %1   (salvestamata)</source>
        <translation>JOB: %1   (not saved)</translation>
    </message>
    <message>
        <source>TÖÖ: %1   %2</source>
        <translation>JOB: %1   %2</translation>
    </message>
    <message>
        <source>Avatud: %1</source>
        <translation>Opened: %1</translation>
    </message>
    <message>
        <source>Salvesta nagu</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>JSON tööd (*.json)</source>
        <translation>JSON jobs (*.json)</translation>
    </message>
    <message>
        <source>Salvesta</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Salvestatud: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>Kas salvestada töö „%1“ muudatused?</source>
        <translation>Save the changes to the job “%1”?</translation>
    </message>
    <message>
        <source>Töö andmed</source>
        <translation>Job data</translation>
    </message>
    <message>
        <source>Terase andmed</source>
        <translation>Steel data</translation>
    </message>
    <message>
        <source>Varraste pikkused</source>
        <translation>Member lengths</translation>
    </message>
    <message>
        <source>PDF kirjutatud: %1</source>
        <translation>PDF written: %1</translation>
    </message>
    <message>
        <source>Printer ei ole kasutatav: %1</source>
        <translation>The printer cannot be used: %1</translation>
    </message>
    <message>
        <source>Printimise eelvaade</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>aruanne.pdf</source>
        <translation>report.pdf</translation>
    </message>
    <message>
        <source>Ekspordi PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>PDF failid (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Kõik failid (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>Ekspordi</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Nimetu</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Hiljutised failid</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Ülesanne</source>
        <translation>Job</translation>
    </message>
    <message>
        <source>Suurendus</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Valmis</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>(nimetu)</source>
        <translation>(untitled)</translation>
    </message>
    <message>
        <source>Juba avatud: %1</source>
        <translation>Already open: %1</translation>
    </message>
</context>
<context>
    <name>traxen::ReportView</name>
    <message>
        <source>Aruanne</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Lõika</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Kopeeri</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Kleebi</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Kopeeri skeem</source>
        <translation>Copy Schematic</translation>
    </message>
</context>
<context>
    <name>traxen::ShellCommands</name>
    <message>
        <source>&amp;Fail</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Muuda</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Ma&amp;terjal</source>
        <translation>&amp;Material</translation>
    </message>
    <message>
        <source>Ülesande &amp;info</source>
        <translation>Job &amp;Info</translation>
    </message>
    <message>
        <source>&amp;Sõlmede tüübid</source>
        <translation>&amp;Joint Types</translation>
    </message>
    <message>
        <source>&amp;Vaade</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Aken</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>A&amp;bi</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Tööriista riba ja akende dokkimine</source>
        <translation>&amp;Toolbars and Docking</translation>
    </message>
    <message>
        <source>Programmi k&amp;ujundus</source>
        <translation>App&amp;earance</translation>
    </message>
    <message>
        <source>&amp;Aruande keel</source>
        <translation>Report &amp;Language</translation>
    </message>
    <message>
        <source>&amp;Uus</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Uus töö</source>
        <translation>New job</translation>
    </message>
    <message>
        <source>&amp;Ava...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Ava projektifail</source>
        <translation>Open a project file</translation>
    </message>
    <message>
        <source>&amp;Impordi sõlmede tabel...</source>
        <translation>&amp;Import Joint Table...</translation>
    </message>
    <message>
        <source>Sõrestiku sõlmed CSV-tabelist</source>
        <translation>A truss&apos;s joints from a CSV table</translation>
    </message>
    <message>
        <source>Su&amp;le</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Salvesta</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Salvesta töö</source>
        <translation>Save the job</translation>
    </message>
    <message>
        <source>Salvesta &amp;nagu...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Ekspordi PDF...</source>
        <translation>&amp;Export PDF...</translation>
    </message>
    <message>
        <source>&amp;Prindi...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Prindi aruanne</source>
        <translation>Print the report</translation>
    </message>
    <message>
        <source>P&amp;rinteri valik...</source>
        <translation>Print Set&amp;up...</translation>
    </message>
    <message>
        <source>&amp;Välju</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Võta tagasi</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Tee uuesti</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Lõika</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Kopeeri</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Kopeeri nähtav lehekülg pildi ja PDF-ina</source>
        <translation>Copy the visible page as a picture and as PDF</translation>
    </message>
    <message>
        <source>K&amp;leebi</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Terase andmed</source>
        <translation>&amp;Steel Data</translation>
    </message>
    <message>
        <source>&amp;Varraste pikkused</source>
        <translation>&amp;Member Lengths</translation>
    </message>
    <message>
        <source>&amp;Info sisestamine</source>
        <translation>&amp;Enter Job Information</translation>
    </message>
    <message>
        <source>INFO</source>
        <translation>INFO</translation>
    </message>
    <message>
        <source>Ülesande andmete sisestus</source>
        <translation>Enter the job&apos;s information</translation>
    </message>
    <message>
        <source>TERAS</source>
        <translation>STEEL</translation>
    </message>
    <message>
        <source>Terase andmed</source>
        <translation>Steel data</translation>
    </message>
    <message>
        <source>VARDAD</source>
        <translation>MEMBERS</translation>
    </message>
    <message>
        <source>Varraste pikkused</source>
        <translation>Member lengths</translation>
    </message>
    <message>
        <source>&amp;Oleku riba</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>&amp;Pealkirja riba</source>
        <translation>&amp;Caption Bar</translation>
    </message>
    <message>
        <source>&amp;Keevisõmblused aruandes</source>
        <translation>Brace &amp;Welds in the Report</translation>
    </message>
    <message>
        <source>Suu&amp;renda</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>Vä&amp;henda</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>Tegelik suurus</source>
        <translation>&amp;Actual Size</translation>
    </message>
    <message>
        <source>Sobita leht</source>
        <translation>Fit &amp;Page</translation>
    </message>
    <message>
        <source>Sobita laius</source>
        <translation>Fit Wi&amp;dth</translation>
    </message>
    <message>
        <source>&amp;Eesti</source>
        <translation>E&amp;stonian</translation>
    </message>
    <message>
        <source>E&amp;nglish</source>
        <translation>E&amp;nglish</translation>
    </message>
    <message>
        <source>&amp;Uus aken</source>
        <translation>&amp;New Window</translation>
    </message>
    <message>
        <source>&amp;Kõrvuti</source>
        <translation>&amp;Tile</translation>
    </message>
    <message>
        <source>&amp;Astmeliselt</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>&amp;Järgmine aken</source>
        <translation>Ne&amp;xt Window</translation>
    </message>
    <message>
        <source>&amp;Eelmine aken</source>
        <translation>&amp;Previous Window</translation>
    </message>
    <message>
        <source>&amp;Kasutusjuhend</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;TRAXEN TEAVE..</source>
        <translation>&amp;About TRAXEN...</translation>
    </message>
    <message>
        <source>Programmi info</source>
        <translation>About the program</translation>
    </message>
    <message>
        <source>Prin&amp;timise eelvaade...</source>
        <translation>Print Pre&amp;view...</translation>
    </message>
    <message>
        <source>KN tugevdatud sõlmed</source>
        <translation>Reinforced K and N joints</translation>
    </message>
    <message>
        <source>X,Y ja T tugevdatud sõlmed</source>
        <translation>Reinforced T, Y and X joints</translation>
    </message>
</context>
<context>
    <name>traxen::UnsavedPrompt</name>
    <message>
        <source>&amp;Salvesta</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Ä&amp;ra salvesta</source>
        <translation>Do&amp;n&apos;t Save</translation>
    </message>
    <message>
        <source>&amp;Loobu</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>traxen::VerdictLabel</name>
    <message>
        <source>Kontrolli tulemus</source>
        <translation>Check result</translation>
    </message>
    <message>
        <source>Klõps näitab aruandes määravat kontrolli</source>
        <translation>Click to show the governing check in the report</translation>
    </message>
</context>
<context>
    <name>traxen::VerdictSummary</name>
    <message>
        <source>Ei rahulda! eeldused pole täidetud</source>
        <translation>NOT OK: outside the range of validity</translation>
    </message>
    <message>
        <source>Ei rahulda!</source>
        <translation>NOT OK</translation>
    </message>
    <message>
        <source>Korras!</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>  η max = %1, varras %2, %3</source>
        <translation>  η max = %1, brace %2, %3</translation>
    </message>
</context>
</TS>
