<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Quennick</source>
        <translation>Über Quennick</translation>
    </message>
    <message>
        <source>Quennick</source>
        <translation>Quennick</translation>
    </message>
    <message>
        <source>Works out the spoke length for each side of a bicycle wheel from the rim, the hub, the crossings and the number of spokes.</source>
        <translation>Berechnet die Speichenlänge für jede Seite eines Fahrradlaufrads aus Felge, Nabe, Kreuzungen und Speichenzahl.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>BuildSheet</name>
    <message>
        <source>Build sheet</source>
        <translation>Baublatt</translation>
    </message>
</context>
<context>
    <name>LacingDiagram</name>
    <message>
        <source>side 2, trailing</source>
        <translation>Seite 2, ziehend</translation>
    </message>
    <message>
        <source>side 2, leading</source>
        <translation>Seite 2, drückend</translation>
    </message>
    <message>
        <source>side 1, trailing</source>
        <translation>Seite 1, ziehend</translation>
    </message>
    <message>
        <source>side 1, leading</source>
        <translation>Seite 1, drückend</translation>
    </message>
    <message>
        <source>valve</source>
        <translation>Ventil</translation>
    </message>
    <message>
        <source>The rim alone: calculate a wheel to see its spokes.</source>
        <translation>Nur die Felge: ein Laufrad berechnen, um seine Speichen zu sehen.</translation>
    </message>
    <message>
        <source>Lacing diagram</source>
        <translation>Speichenmuster</translation>
    </message>
    <message>
        <source>key spoke</source>
        <extracomment>Label beside the key spoke on the lacing diagram: the first spoke laced, the one the others follow (&quot;key&quot; as in guide, not a tool). Keep it short.</extracomment>
        <translation>erste Speiche</translation>
    </message>
    <message>
        <source>The wheel seen from side 2 with the valve hole at the top: %1 spokes, %2 on side 1 with %3 crossings (dashed, orange) and %4 on side 2 with %5 crossings (solid, blue); trailing spokes drawn with wider lines than leading ones; the key spoke, in rim hole 1 right of the valve hole, drawn black.</source>
        <extracomment>What the lacing diagram shows, for screen readers. &quot;Wider lines&quot;: the pen, not the spoke. The key spoke: the first spoke laced, the one the others follow.</extracomment>
        <translation>Das Laufrad von Seite 2 aus gesehen, das Ventilloch oben: %1 Speichen, %2 auf Seite 1 mit %3 Kreuzungen (gestrichelt, orange) und %4 auf Seite 2 mit %5 Kreuzungen (durchgezogen, blau); ziehende Speichen mit breiteren Linien als drückende; die erste Speiche, in Felgenloch 1 rechts vom Ventilloch, schwarz.</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Quennick</source>
        <translation>Quennick</translation>
    </message>
    <message>
        <source>Rim</source>
        <translation>Felge</translation>
    </message>
    <message>
        <source>Choose a rim…</source>
        <translation>Felge wählen…</translation>
    </message>
    <message>
        <source>Choose a rim</source>
        <translation>Felge wählen</translation>
    </message>
    <message>
        <source>Rim:</source>
        <translation>Felge:</translation>
    </message>
    <message>
        <source>Rim name</source>
        <translation>Name der Felge</translation>
    </message>
    <message>
        <source>Size:</source>
        <extracomment>The rim&apos;s size as its maker gives it (700C, 29&quot;, 622 x 19); the build sheet calls the same field &quot;Size&quot;: use one word for both.</extracomment>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Rim size</source>
        <translation>Größe der Felge</translation>
    </message>
    <message>
        <source>Notes:</source>
        <extracomment>Free text from the catalogue about the rim or the hub; the build sheet calls the same field &quot;Notes&quot;: use one word for both.</extracomment>
        <translation>Notizen:</translation>
    </message>
    <message>
        <source>Rim notes</source>
        <translation>Notizen zur Felge</translation>
    </message>
    <message>
        <source>Rim diameter at the spoke ends (ERD):</source>
        <translation>Felgendurchmesser an den Speichenenden (ERD):</translation>
    </message>
    <message>
        <source>Rim diameter at the spoke ends</source>
        <translation>Felgendurchmesser an den Speichenenden</translation>
    </message>
    <message>
        <source>Effective rim diameter: twice the distance from the hub axis to the spoke ends in the rim</source>
        <translation>Effektiver Felgendurchmesser: der doppelte Abstand von der Nabenachse bis zu den Speichenenden in der Felge</translation>
    </message>
    <message>
        <source>Spoke hole offset:</source>
        <translation>Speichenlochversatz:</translation>
    </message>
    <message>
        <source>Spoke hole offset</source>
        <translation>Speichenlochversatz</translation>
    </message>
    <message>
        <source>0,00</source>
        <translation>0,00</translation>
    </message>
    <message>
        <source>Asymmetric rims: how far the spoke holes sit off the rim&apos;s centre, in mm. Positive toward side 2: the spoke bed moves nearer side 2&apos;s flange, so side 1&apos;s flange distance grows by the offset and side 2&apos;s shrinks by it.</source>
        <translation>Asymmetrische Felgen: wie weit die Speichenlöcher neben der Felgenmitte liegen, in mm. Positiv zur Seite 2 hin: das Speichenbett rückt näher an den Flansch der Seite 2, also wächst der Flanschabstand der Seite 1 um den Versatz, und der der Seite 2 schrumpft um ihn.</translation>
    </message>
    <message>
        <source>Hub</source>
        <translation>Nabe</translation>
    </message>
    <message>
        <source>Choose a hub…</source>
        <translation>Nabe wählen…</translation>
    </message>
    <message>
        <source>Choose a hub</source>
        <translation>Nabe wählen</translation>
    </message>
    <message>
        <source>Hub:</source>
        <translation>Nabe:</translation>
    </message>
    <message>
        <source>Hub name</source>
        <translation>Name der Nabe</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Hub position</source>
        <translation>Position der Nabe</translation>
    </message>
    <message>
        <source>Axle:</source>
        <translation>Achse:</translation>
    </message>
    <message>
        <source>Hub axle</source>
        <translation>Achse der Nabe</translation>
    </message>
    <message>
        <source>Hub notes</source>
        <translation>Notizen zur Nabe</translation>
    </message>
    <message>
        <source>Spoke hole diameter:</source>
        <translation>Speichenlochdurchmesser:</translation>
    </message>
    <message>
        <source>Spoke hole diameter</source>
        <translation>Speichenlochdurchmesser</translation>
    </message>
    <message>
        <source>Side 1</source>
        <translation>Seite 1</translation>
    </message>
    <message>
        <source>Side 2</source>
        <translation>Seite 2</translation>
    </message>
    <message>
        <source>Flange diameter:</source>
        <translation>Flanschdurchmesser:</translation>
    </message>
    <message>
        <source>Side 1 flange diameter</source>
        <translation>Flanschdurchmesser Seite 1</translation>
    </message>
    <message>
        <source>Side 2 flange diameter</source>
        <translation>Flanschdurchmesser Seite 2</translation>
    </message>
    <message>
        <source>Flange distance from the centre:</source>
        <translation>Flanschabstand von der Mitte:</translation>
    </message>
    <message>
        <source>Side 1 flange distance from the centre</source>
        <translation>Flanschabstand von der Mitte, Seite 1</translation>
    </message>
    <message>
        <source>Side 2 flange distance from the centre</source>
        <translation>Flanschabstand von der Mitte, Seite 2</translation>
    </message>
    <message>
        <source>Crossings:</source>
        <translation>Kreuzungen:</translation>
    </message>
    <message>
        <source>Side 1 crossings</source>
        <translation>Kreuzungen Seite 1</translation>
    </message>
    <message>
        <source>0 (radial)</source>
        <translation>0 (radial)</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>Side 2 crossings</source>
        <translation>Kreuzungen Seite 2</translation>
    </message>
    <message>
        <source>Spokes in the wheel:</source>
        <translation>Speichen im Laufrad:</translation>
    </message>
    <message>
        <source>Spokes in the wheel</source>
        <translation>Speichen im Laufrad</translation>
    </message>
    <message>
        <source>24</source>
        <translation>24</translation>
    </message>
    <message>
        <source>28</source>
        <translation>28</translation>
    </message>
    <message>
        <source>32</source>
        <translation>32</translation>
    </message>
    <message>
        <source>36</source>
        <translation>36</translation>
    </message>
    <message>
        <source>Spokes</source>
        <translation>Speichen</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Side 1 spoke length</source>
        <translation>Speichenlänge Seite 1</translation>
    </message>
    <message>
        <source>Side 2 spoke length</source>
        <translation>Speichenlänge Seite 2</translation>
    </message>
    <message>
        <source>Tension:</source>
        <translation>Spannung:</translation>
    </message>
    <message>
        <source>Side 1 spoke tension</source>
        <translation>Speichenspannung Seite 1</translation>
    </message>
    <message>
        <source>Side 2 spoke tension</source>
        <translation>Speichenspannung Seite 2</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear the form</source>
        <translation>Formular leeren</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Calculate the spoke lengths</source>
        <translation>Speichenlängen berechnen</translation>
    </message>
    <message>
        <source>Spoke head:</source>
        <translation>Speichenkopf:</translation>
    </message>
    <message>
        <source>Spoke head</source>
        <translation>Speichenkopf</translation>
    </message>
    <message>
        <source>J-bend</source>
        <extracomment>A spoke head, under the label &quot;Spoke head:&quot;: the spoke is bent just below its head, like a J, and hooks through a hole in the flange.</extracomment>
        <translation>J-Bend</translation>
    </message>
    <message>
        <source>Straight-pull</source>
        <extracomment>A spoke head, under the label &quot;Spoke head:&quot;: the spoke runs straight out of its head, with no bend (as against J-bend). Agree it with the word for &quot;head&quot;.</extracomment>
        <translation>Straightpull</translation>
    </message>
    <message>
        <source>Flanges</source>
        <translation>Flansche</translation>
    </message>
    <message>
        <source>Lacing</source>
        <translation>Einspeichung</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>18</source>
        <translation>18</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>40</source>
        <translation>40</translation>
    </message>
    <message>
        <source>48</source>
        <translation>48</translation>
    </message>
    <message>
        <source>Spokes per side:</source>
        <translation>Speichen je Seite:</translation>
    </message>
    <message>
        <source>Spokes per side</source>
        <translation>Speichen je Seite</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>2:1, more on side 2</source>
        <translation>2:1, mehr auf Seite 2</translation>
    </message>
    <message>
        <source>2:1, more on side 1</source>
        <translation>2:1, mehr auf Seite 1</translation>
    </message>
    <message>
        <source>Bracing angle:</source>
        <extracomment>The angle between a side&apos;s spokes and the wheel&apos;s centre plane, seen from the front of the wheel.</extracomment>
        <translation>Speichenwinkel:</translation>
    </message>
    <message>
        <source>Side 1 bracing angle</source>
        <translation>Speichenwinkel Seite 1</translation>
    </message>
    <message>
        <source>The angle of this side&apos;s spokes to the wheel&apos;s plane: the larger, the stiffer the wheel sideways</source>
        <translation>Der Winkel der Speichen dieser Seite zur Radebene: je größer, desto seitensteifer das Laufrad</translation>
    </message>
    <message>
        <source>Side 2 bracing angle</source>
        <translation>Speichenwinkel Seite 2</translation>
    </message>
    <message>
        <source>Lacing note</source>
        <translation>Hinweis zur Einspeichung</translation>
    </message>
    <message>
        <source>Spoke gauge:</source>
        <extracomment>The thickness (diameter) of the spoke wire, in mm; not a measuring tool.</extracomment>
        <translation>Speichenstärke:</translation>
    </message>
    <message>
        <source>Side 1 spoke gauge</source>
        <translation>Speichenstärke Seite 1</translation>
    </message>
    <message>
        <source>Stainless spoke of this side: plain, or butted (diameters at the head, the middle and the thread, in mm)</source>
        <translation>Edelstahlspeiche dieser Seite: Glattspeiche oder doppeldickend (DD; Durchmesser am Kopf, in der Mitte und am Gewinde, in mm)</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Keine Angabe</translation>
    </message>
    <message>
        <source>Plain 2,0 mm</source>
        <extracomment>A plain spoke: the same diameter from head to thread, as against a butted one. Not &quot;simple&quot; or &quot;smooth&quot;.</extracomment>
        <translation>Glattspeiche 2,0 mm</translation>
    </message>
    <message>
        <source>Plain 1,8 mm</source>
        <translation>Glattspeiche 1,8 mm</translation>
    </message>
    <message>
        <source>Plain 2,3 mm</source>
        <translation>Glattspeiche 2,3 mm</translation>
    </message>
    <message>
        <source>Butted 2,0/1,8/2,0</source>
        <extracomment>A butted spoke: thicker at both ends than in the middle (diameters at the head, the middle and the thread). Every spoke is drawn wire, so not &quot;drawn&quot;; not &quot;tapered&quot; either.</extracomment>
        <translation>DD-Speiche 2,0/1,8/2,0</translation>
    </message>
    <message>
        <source>Butted 2,0/1,5/2,0</source>
        <translation>DD-Speiche 2,0/1,5/2,0</translation>
    </message>
    <message>
        <source>Side 2 spoke gauge</source>
        <translation>Speichenstärke Seite 2</translation>
    </message>
    <message>
        <source>Tension unit</source>
        <translation>Spannungseinheit</translation>
    </message>
    <message>
        <source>1 kgf = 9,80665 N</source>
        <translation>1 kgf = 9,80665 N</translation>
    </message>
    <message>
        <source>kgf</source>
        <translation>kgf</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Stock lengths:</source>
        <extracomment>The lengths in which spokes are sold (every 2 mm, every 1 mm).</extracomment>
        <translation>Lieferlängen:</translation>
    </message>
    <message>
        <source>Stock lengths</source>
        <translation>Lieferlängen</translation>
    </message>
    <message>
        <source>Every 2 mm (even)</source>
        <translation>Alle 2 mm (gerade)</translation>
    </message>
    <message>
        <source>Every 1 mm</source>
        <translation>Jeder Millimeter</translation>
    </message>
    <message>
        <source>Stretch:</source>
        <translation>Dehnung:</translation>
    </message>
    <message>
        <source>Side 1 stretch</source>
        <translation>Dehnung Seite 1</translation>
    </message>
    <message>
        <source>How much this side&apos;s spokes stretch at their tension, in mm</source>
        <translation>Wie weit sich die Speichen dieser Seite unter ihrer Spannung dehnen, in mm</translation>
    </message>
    <message>
        <source>Side 2 stretch</source>
        <translation>Dehnung Seite 2</translation>
    </message>
    <message>
        <source>Length to buy:</source>
        <translation>Kauflänge:</translation>
    </message>
    <message>
        <source>Side 1 length to buy</source>
        <translation>Kauflänge Seite 1</translation>
    </message>
    <message>
        <source>The stock length nearest the spoke&apos;s unstretched length (without a gauge and a tension: nearest the length above), and how far it is from it</source>
        <translation>Die Lieferlänge, die der ungedehnten Speichenlänge am nächsten liegt (ohne Speichenstärke und Spannung: der Länge darüber), und wie weit sie davon abweicht</translation>
    </message>
    <message>
        <source>Side 2 length to buy</source>
        <translation>Kauflänge Seite 2</translation>
    </message>
    <message>
        <source>Tension of the higher-tension side:</source>
        <extracomment>The side whose spokes carry more tension (the one shown at 100 %; side 2, the drive side, on most rear wheels). &quot;Higher-tension&quot;, not &quot;tight&quot; as in a close fit.</extracomment>
        <translation>Spannung der höher gespannten Seite:</translation>
    </message>
    <message>
        <source>Tension of the higher-tension side</source>
        <translation>Spannung der höher gespannten Seite</translation>
    </message>
    <message>
        <source>The tension to build the higher-tension side to; the other side gets its share. Empty for none</source>
        <translation>Die Spannung, auf die die höher gespannte Seite gebracht wird; die andere Seite erhält ihren Anteil. Leer für keine</translation>
    </message>
    <message>
        <source>The lengths spokes are sold in: the length to buy is the nearest of them, and a length exactly halfway between two is bought as the longer</source>
        <extracomment>A length exactly halfway between two stock lengths (289 mm between 288 and 290) is bought as the longer one.</extracomment>
        <translation>Die Längen, in denen Speichen verkauft werden: gekauft wird die nächstgelegene; eine Länge genau zwischen zweien wird als die längere gekauft</translation>
    </message>
    <message>
        <source>Spoke tension of this side as a share of the higher-tension side&apos;s: the two sides pull the rim sideways in balance</source>
        <translation>Speichenspannung dieser Seite im Verhältnis zur höher gespannten Seite: So ziehen beide Seiten die Felge seitlich im Gleichgewicht</translation>
    </message>
</context>
<context>
    <name>list</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Type to narrow the list</source>
        <translation>Tippen, um die Liste einzugrenzen</translation>
    </message>
    <message>
        <source>Showing “%1”: %2</source>
        <translation>Treffer für „%1“: %2</translation>
    </message>
    <message>
        <source>%1 entries; type to narrow the list</source>
        <translation>%1 Einträge; tippen, um die Liste einzugrenzen</translation>
    </message>
    <message>
        <source>Showing “%1”, %2 entries</source>
        <translation>Treffer für „%1“, %2 Einträge</translation>
    </message>
    <message>
        <source>Close the list</source>
        <translation>Liste schließen</translation>
    </message>
    <message>
        <source>Close the list without choosing (Escape)</source>
        <translation>Liste ohne Auswahl schließen (Esc)</translation>
    </message>
</context>
<context>
    <name>menu 128</name>
    <message>
        <source>Quennick</source>
        <translation>Quennick</translation>
    </message>
    <message>
        <source>About Quennick</source>
        <translation>Über Quennick</translation>
    </message>
</context>
<context>
    <name>menu 129</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Lacing diagram…</source>
        <translation>Speichenmuster…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
</context>
<context>
    <name>menu 130</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Copy build sheet</source>
        <translation>Baublatt kopieren</translation>
    </message>
</context>
<context>
    <name>strings 128</name>
    <message>
        <source>no result</source>
        <translation>kein Ergebnis</translation>
    </message>
</context>
<context>
    <name>strings 129</name>
    <message>
        <source>Side ^1: ^2 crossings on its ^3 spokes reach ^4° round the wheel, past a quarter turn, so the spokes would run across their own flange. Lace it with fewer crossings.</source>
        <translation>Seite ^1: ^2 Kreuzungen bei ihren ^3 Speichen reichen ^4° um das Rad, über eine Vierteldrehung hinaus; die Speichen liefen über ihren eigenen Flansch. Mit weniger Kreuzungen einspeichen.</translation>
    </message>
    <message>
        <source>Both sides: ^1 and ^2 crossings on ^3 and ^4 spokes reach past a quarter turn round the wheel, so the spokes would run across their own flanges. Lace them with fewer crossings.</source>
        <translation>Beide Seiten: ^1 und ^2 Kreuzungen bei ^3 und ^4 Speichen reichen über eine Vierteldrehung um das Rad hinaus; die Speichen liefen über ihre eigenen Flansche. Mit weniger Kreuzungen einspeichen.</translation>
    </message>
    <message>
        <source>Side ^1 at ^2 % of the other side&apos;s tension may go slack under load: lace 2:1, use an offset rim, or give side ^1 thinner spokes, which stretch more and keep their tension.</source>
        <extracomment>^2 is a whole number: write the percentage as your language does (58 %, 58%). &quot;Thinner spokes&quot;: a thinner spoke stretches more at a given tension, so it keeps some tension when the load takes a little away.</extracomment>
        <translation>Seite ^1 mit ^2&#xa0;% der Spannung der anderen Seite kann unter Last schlaff werden: 2:1 einspeichen, eine asymmetrische Felge nehmen oder Seite ^1 dünnere Speichen geben, die sich weiter dehnen und ihre Spannung halten.</translation>
    </message>
</context>
<context>
    <name>strings 130</name>
    <message>
        <source>Flange diameter:</source>
        <translation>Flanschdurchmesser:</translation>
    </message>
    <message>
        <source>Flange distance from the centre:</source>
        <translation>Flanschabstand von der Mitte:</translation>
    </message>
    <message>
        <source>Head seat circle diameter (PCD):</source>
        <translation>Lochkreis der Kopfsitze (PCD):</translation>
    </message>
    <message>
        <source>Head seat distance from the centre:</source>
        <translation>Abstand der Kopfsitze von der Mitte:</translation>
    </message>
</context>
<context>
    <name>strings 131</name>
    <message>
        <source>^1°</source>
        <translation>^1°</translation>
    </message>
</context>
<context>
    <name>strings 132</name>
    <message>
        <source>^1 · ^2 kgf</source>
        <translation>^1 · ^2 kgf</translation>
    </message>
    <message>
        <source>^1 · ^2 N</source>
        <translation>^1 · ^2 N</translation>
    </message>
</context>
<context>
    <name>strings 133</name>
    <message>
        <source>^1 mm, ^2</source>
        <translation>^1 mm, ^2</translation>
    </message>
</context>
<context>
    <name>strings 134</name>
    <message>
        <source>Side 1 flange diameter</source>
        <translation>Flanschdurchmesser Seite 1</translation>
    </message>
    <message>
        <source>Side 2 flange diameter</source>
        <translation>Flanschdurchmesser Seite 2</translation>
    </message>
    <message>
        <source>Side 1 flange distance from the centre</source>
        <translation>Flanschabstand von der Mitte, Seite 1</translation>
    </message>
    <message>
        <source>Side 2 flange distance from the centre</source>
        <translation>Flanschabstand von der Mitte, Seite 2</translation>
    </message>
    <message>
        <source>Side 1 head seat circle diameter</source>
        <translation>Lochkreis der Kopfsitze Seite 1</translation>
    </message>
    <message>
        <source>Side 2 head seat circle diameter</source>
        <translation>Lochkreis der Kopfsitze Seite 2</translation>
    </message>
    <message>
        <source>Side 1 head seat distance from the centre</source>
        <translation>Abstand der Kopfsitze von der Mitte, Seite 1</translation>
    </message>
    <message>
        <source>Side 2 head seat distance from the centre</source>
        <translation>Abstand der Kopfsitze von der Mitte, Seite 2</translation>
    </message>
</context>
<context>
    <name>strings 140</name>
    <message>
        <source>Quennick build sheet</source>
        <translation>Quennick-Baublatt</translation>
    </message>
    <message>
        <source>Rim</source>
        <translation>Felge</translation>
    </message>
    <message>
        <source>Hub</source>
        <translation>Nabe</translation>
    </message>
    <message>
        <source>Lacing</source>
        <translation>Einspeichung</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>The same field as the form&apos;s &quot;Size:&quot;: use the same word.</extracomment>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Notes</source>
        <extracomment>The same field as the form&apos;s &quot;Notes:&quot;: use the same word.</extracomment>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Diameter at the spoke ends (ERD)</source>
        <translation>Durchmesser an den Speichenenden (ERD)</translation>
    </message>
    <message>
        <source>Spoke hole offset</source>
        <translation>Speichenlochversatz</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Axle</source>
        <translation>Achse</translation>
    </message>
    <message>
        <source>Flange diameter, side 1</source>
        <translation>Flanschdurchmesser, Seite 1</translation>
    </message>
    <message>
        <source>Flange diameter, side 2</source>
        <translation>Flanschdurchmesser, Seite 2</translation>
    </message>
    <message>
        <source>Flange distance, side 1</source>
        <translation>Flanschabstand, Seite 1</translation>
    </message>
    <message>
        <source>Flange distance, side 2</source>
        <translation>Flanschabstand, Seite 2</translation>
    </message>
    <message>
        <source>Spoke hole diameter</source>
        <translation>Speichenlochdurchmesser</translation>
    </message>
    <message>
        <source>Crossings, side 1</source>
        <translation>Kreuzungen, Seite 1</translation>
    </message>
    <message>
        <source>Crossings, side 2</source>
        <translation>Kreuzungen, Seite 2</translation>
    </message>
    <message>
        <source>Spokes</source>
        <translation>Speichen</translation>
    </message>
    <message>
        <source>Spoke length, side 1</source>
        <translation>Speichenlänge, Seite 1</translation>
    </message>
    <message>
        <source>Spoke length, side 2</source>
        <translation>Speichenlänge, Seite 2</translation>
    </message>
    <message>
        <source>Tension, side 1</source>
        <translation>Spannung, Seite 1</translation>
    </message>
    <message>
        <source>Tension, side 2</source>
        <translation>Spannung, Seite 2</translation>
    </message>
    <message>
        <source>Lacing steps</source>
        <translation>Einspeichschritte</translation>
    </message>
    <message>
        <source>Lacing table</source>
        <translation>Einspeichtabelle</translation>
    </message>
    <message>
        <source>Rim hole</source>
        <translation>Felgenloch</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Hub hole</source>
        <translation>Nabenloch</translation>
    </message>
    <message>
        <source>Spoke</source>
        <translation>Speiche</translation>
    </message>
    <message>
        <source>leading</source>
        <translation>drückend</translation>
    </message>
    <message>
        <source>trailing</source>
        <translation>ziehend</translation>
    </message>
    <message>
        <source>radial</source>
        <translation>radial</translation>
    </message>
    <message>
        <source>^1→^2</source>
        <translation>^1→^2</translation>
    </message>
    <message>
        <source>Spokes per side</source>
        <translation>Speichen je Seite</translation>
    </message>
    <message>
        <source>Spoke head</source>
        <translation>Speichenkopf</translation>
    </message>
    <message>
        <source>Lacing note</source>
        <translation>Hinweis zur Einspeichung</translation>
    </message>
    <message>
        <source>Bracing angle, side 1</source>
        <translation>Speichenwinkel, Seite 1</translation>
    </message>
    <message>
        <source>Bracing angle, side 2</source>
        <translation>Speichenwinkel, Seite 2</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>2:1, more on side 2</source>
        <translation>2:1, mehr auf Seite 2</translation>
    </message>
    <message>
        <source>2:1, more on side 1</source>
        <translation>2:1, mehr auf Seite 1</translation>
    </message>
    <message>
        <source>J-bend</source>
        <translation>J-Bend</translation>
    </message>
    <message>
        <source>straight-pull</source>
        <translation>Straightpull</translation>
    </message>
    <message>
        <source>Head seat circle diameter, side 1</source>
        <translation>Lochkreis der Kopfsitze, Seite 1</translation>
    </message>
    <message>
        <source>Head seat circle diameter, side 2</source>
        <translation>Lochkreis der Kopfsitze, Seite 2</translation>
    </message>
    <message>
        <source>Head seat distance, side 1</source>
        <translation>Abstand der Kopfsitze, Seite 1</translation>
    </message>
    <message>
        <source>Head seat distance, side 2</source>
        <translation>Abstand der Kopfsitze, Seite 2</translation>
    </message>
    <message>
        <source>Spoke gauge, side 1</source>
        <translation>Speichenstärke, Seite 1</translation>
    </message>
    <message>
        <source>Spoke gauge, side 2</source>
        <translation>Speichenstärke, Seite 2</translation>
    </message>
    <message>
        <source>Tension unit</source>
        <translation>Spannungseinheit</translation>
    </message>
    <message>
        <source>Stock lengths</source>
        <translation>Lieferlängen</translation>
    </message>
    <message>
        <source>Stretch, side 1</source>
        <translation>Dehnung, Seite 1</translation>
    </message>
    <message>
        <source>Stretch, side 2</source>
        <translation>Dehnung, Seite 2</translation>
    </message>
    <message>
        <source>Length to buy, side 1</source>
        <translation>Kauflänge, Seite 1</translation>
    </message>
    <message>
        <source>Length to buy, side 2</source>
        <translation>Kauflänge, Seite 2</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>keine Angabe</translation>
    </message>
    <message>
        <source>plain 2,0 mm</source>
        <extracomment>A plain spoke: one diameter from head to thread, as against a butted one (thicker at the ends than in the middle).</extracomment>
        <translation>Glattspeiche 2,0 mm</translation>
    </message>
    <message>
        <source>plain 1,8 mm</source>
        <translation>Glattspeiche 1,8 mm</translation>
    </message>
    <message>
        <source>plain 2,3 mm</source>
        <translation>Glattspeiche 2,3 mm</translation>
    </message>
    <message>
        <source>butted 2,0/1,8/2,0</source>
        <translation>DD-Speiche 2,0/1,8/2,0</translation>
    </message>
    <message>
        <source>butted 2,0/1,5/2,0</source>
        <translation>DD-Speiche 2,0/1,5/2,0</translation>
    </message>
    <message>
        <source>kgf</source>
        <translation>kgf</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>every 2 mm (even)</source>
        <translation>alle 2 mm (gerade)</translation>
    </message>
    <message>
        <source>every 1 mm</source>
        <translation>jeder Millimeter</translation>
    </message>
    <message>
        <source>Tension of the higher-tension side</source>
        <extracomment>The tension typed for the side whose spokes carry more tension (the one at 100 %); &quot;higher-tension&quot;, not &quot;tight&quot; as in a close fit.</extracomment>
        <translation>Spannung der höher gespannten Seite</translation>
    </message>
</context>
<context>
    <name>strings 141</name>
    <message>
        <source>^1. The key spoke, side ^2: from hub hole ^3 of side ^2&apos;s flange into rim hole 1, the first hole clockwise from the valve hole as the wheel is seen from side 2.</source>
        <extracomment>The key spoke: the first spoke laced, into the rim hole right of the valve hole; the others are laced from it. &quot;Key&quot; as in &quot;the one the rest follow&quot;, not a tool.</extracomment>
        <translation>^1. Die erste Speiche, Seite ^2: von Nabenloch ^3 des Flansches von Seite ^2 in Felgenloch 1, das erste Loch im Uhrzeigersinn nach dem Ventilloch, das Laufrad von Seite 2 aus gesehen.</translation>
    </message>
    <message>
        <source>^1. The rest of side ^2&apos;s trailing spokes, from every second hub hole (hub hole to rim hole): ^3.</source>
        <translation>^1. Die übrigen ziehenden Speichen von Seite ^2, aus jedem zweiten Nabenloch (Nabenloch zu Felgenloch): ^3.</translation>
    </message>
    <message>
        <source>^1. Side ^2&apos;s leading spokes, from the hub holes left between (hub hole to rim hole): ^3. Each crosses ^4 of its own side&apos;s spokes, over the first ones and under the last, next to the rim.</source>
        <translation>^1. Die drückenden Speichen von Seite ^2, aus den freien Nabenlöchern dazwischen (Nabenloch zu Felgenloch): ^3. Jede kreuzt ^4 Speichen ihrer Seite, über die ersten und unter der letzten hindurch, nahe der Felge.</translation>
    </message>
    <message>
        <source>^1. The rest of side ^2&apos;s radial spokes (hub hole to rim hole): ^3.</source>
        <translation>^1. Die übrigen radialen Speichen von Seite ^2 (Nabenloch zu Felgenloch): ^3.</translation>
    </message>
    <message>
        <source>^1. Side ^2&apos;s radial spokes (hub hole to rim hole): ^3.</source>
        <translation>^1. Die radialen Speichen von Seite ^2 (Nabenloch zu Felgenloch): ^3.</translation>
    </message>
    <message>
        <source>^1. Side ^2&apos;s trailing spokes, from hub holes staggered half a hole spacing from side ^3&apos;s (hub hole to rim hole): ^4. The last one ends left of the valve hole and runs beside the key spoke, leaving room for the pump.</source>
        <extracomment>The two flanges&apos; holes are staggered: each hole sits half the spacing between two holes round from the nearest hole of the other flange.</extracomment>
        <translation>^1. Die ziehenden Speichen von Seite ^2, aus Nabenlöchern, die einen halben Lochabstand gegen die von Seite ^3 versetzt sind (Nabenloch zu Felgenloch): ^4. Die letzte endet links vom Ventilloch neben der ersten Speiche, mit Platz für die Pumpe.</translation>
    </message>
</context>
<context>
    <name>strings 163</name>
    <message>
        <source>^1 %</source>
        <extracomment>A whole percentage, ^1 the number (&quot;58&quot;): write it as your language does, with or without a space, a no-break space where one is used.</extracomment>
        <translation>^1&#xa0;%</translation>
    </message>
</context>
</TS>
