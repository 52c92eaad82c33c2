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
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Seitenzahl</translation>
    </message>
</context>
<context>
    <name>ErdHelper</name>
    <message>
        <source>ERD from a measurement</source>
        <translation>ERD aus einer Messung</translation>
    </message>
    <message>
        <source>Measured with</source>
        <translation>Gemessen mit</translation>
    </message>
    <message>
        <source>Two spokes with nipples across the rim</source>
        <translation>Zwei Speichen mit Nippeln quer über die Felge</translation>
    </message>
    <message>
        <source>A measuring tool: two rods of known length</source>
        <translation>Messwerkzeug: zwei Stäbe bekannter Länge</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation>Eintragen</translation>
    </message>
</context>
<context>
    <name>FlangeDiameterHelper</name>
    <message>
        <source>Flange diameter from a measurement</source>
        <translation>Flanschdurchmesser aus einer Messung</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Gemessen</translation>
    </message>
    <message>
        <source>Across the outer edges of two opposite holes</source>
        <translation>Über die Außenkanten zweier gegenüberliegender Löcher</translation>
    </message>
    <message>
        <source>Hole to hole across, from the same edge of each</source>
        <translation>Von Loch zu Loch, jeweils an derselben Kante</translation>
    </message>
    <message>
        <source>For:</source>
        <translation>Für:</translation>
    </message>
    <message>
        <source>Which flange</source>
        <translation>Welcher Flansch</translation>
    </message>
    <message>
        <source>Both sides</source>
        <translation>Beide Seiten</translation>
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
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation>Eintragen</translation>
    </message>
</context>
<context>
    <name>FlangeDistanceHelper</name>
    <message>
        <source>Flange distances from the maker&apos;s figures</source>
        <translation>Flanschabstände aus den Herstellerangaben</translation>
    </message>
    <message>
        <source>The maker gives</source>
        <translation>Der Hersteller gibt an</translation>
    </message>
    <message>
        <source>The distance between the flanges and their offset</source>
        <translation>Abstand zwischen den Flanschen und ihren Versatz</translation>
    </message>
    <message>
        <source>The width over the locknuts and each flange&apos;s distance from its locknut</source>
        <translation>Einbaubreite und Abstand jedes Flansches von seiner Kontermutter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation>Eintragen</translation>
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
    <message>
        <source>The rim alone. %1</source>
        <translation>Nur die Felge. %1</translation>
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
    <message>
        <source>Asymmetric rims: how far the spoke holes sit off the rim&apos;s centre, in mm, as the rim maker gives it. Choose below toward which side they sit.</source>
        <translation>Asymmetrische Felgen: wie weit die Speichenlöcher neben der Felgenmitte liegen, in mm, wie der Felgenhersteller es angibt. Darunter wählen, zu welcher Seite hin sie liegen.</translation>
    </message>
    <message>
        <source>Spoke holes offset toward:</source>
        <translation>Speichenlöcher versetzt Richtung:</translation>
    </message>
    <message>
        <source>Spoke holes offset toward</source>
        <translation>Speichenlöcher versetzt Richtung</translation>
    </message>
    <message>
        <source>The side of the wheel the rim&apos;s spoke holes sit toward: that side&apos;s flange distance shrinks by the offset and the other side&apos;s grows by it. On a dished rear wheel, side 1 (away from the sprockets) evens the tensions.</source>
        <translation>Die Seite des Laufrads, zu der die Speichenlöcher der Felge hin versetzt sind: Der Flanschabstand dieser Seite schrumpft um den Versatz, der der anderen Seite wächst um ihn. Beim Hinterrad mit Ritzelpaket gleicht Seite 1 (von den Ritzeln abgewandt) die Spannungen an.</translation>
    </message>
    <message>
        <source>Straight-pull spokes leave:</source>
        <translation>Straightpull-Speichen laufen:</translation>
    </message>
    <message>
        <source>Straight-pull spokes leave</source>
        <translation>Straightpull-Speichen laufen</translation>
    </message>
    <message>
        <source>How the hub&apos;s seats send a straight-pull spoke off: aimed at its rim hole from a seat on the head seat circle (moved by the seat offset), or along the tangent of that circle, so that the hub, not the crossings, decides the length</source>
        <translation>Wie die Kopfsitze der Nabe eine Straightpull-Speiche austreten lassen: von einem Sitz auf dem Lochkreis der Kopfsitze (um den Sitzversatz verschoben) auf ihr Felgenloch gerichtet, oder entlang der Tangente dieses Kreises, sodass die Nabe, nicht die Kreuzungen, die Länge bestimmt</translation>
    </message>
    <message>
        <source>Toward the rim hole</source>
        <translation>Zum Felgenloch</translation>
    </message>
    <message>
        <source>Along the tangent</source>
        <translation>Entlang der Tangente</translation>
    </message>
    <message>
        <source>Seat offset:</source>
        <translation>Sitzversatz:</translation>
    </message>
    <message>
        <source>Seat offset</source>
        <translation>Sitzversatz</translation>
    </message>
    <message>
        <source>Straight-pull hubs whose seat sits off the radial line: how far, in mm, measured along the flange toward the spoke&apos;s rim hole. Empty or 0 for a seat on the radial line</source>
        <translation>Straightpull-Naben, deren Kopfsitz neben der radialen Linie liegt: wie weit, in mm, entlang des Flansches zum Felgenloch der Speiche hin gemessen. Leer oder 0 für einen Sitz auf der radialen Linie</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Work out the ERD from a measurement</source>
        <translation>ERD aus einer Messung ermitteln</translation>
    </message>
    <message>
        <source>Work out the ERD from a measurement across the rim</source>
        <translation>ERD aus einer Messung quer über die Felge ermitteln</translation>
    </message>
    <message>
        <source>Nipple washers, each:</source>
        <translation>Unterlegscheibe je Nippel:</translation>
    </message>
    <message>
        <source>Nipple washer thickness</source>
        <translation>Dicke der Nippelunterlegscheibe</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>The thickness of the washer under each nipple, in mm; empty for none. Each nipple sits a washer further out, so the lengths are worked from the ERD plus twice the washer.</source>
        <translation>Die Dicke der Unterlegscheibe unter jedem Nippel, in mm; leer für keine. Jeder Nippel sitzt um eine Scheibe weiter außen, daher werden die Längen aus dem ERD plus der doppelten Scheibendicke berechnet.</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Quelle:</translation>
    </message>
    <message>
        <source>Rim source</source>
        <translation>Quelle der Felgendaten</translation>
    </message>
    <message>
        <source>Where the chosen rim&apos;s figures come from, as its catalogue says</source>
        <translation>Woher die Maße der gewählten Felge stammen, laut ihrem Katalog</translation>
    </message>
    <message>
        <source>Hub source</source>
        <translation>Quelle der Nabendaten</translation>
    </message>
    <message>
        <source>Where the chosen hub&apos;s figures come from, as its catalogue says</source>
        <translation>Woher die Maße der gewählten Nabe stammen, laut ihrem Katalog</translation>
    </message>
    <message>
        <source>Work out the flange diameter from a measurement</source>
        <translation>Flanschdurchmesser aus einer Messung ermitteln</translation>
    </message>
    <message>
        <source>Work out the flange diameter from a measurement across the flange</source>
        <translation>Flanschdurchmesser aus einer Messung quer über den Flansch ermitteln</translation>
    </message>
    <message>
        <source>Work out the flange distances from the maker&apos;s figures</source>
        <translation>Flanschabstände aus den Herstellerangaben ermitteln</translation>
    </message>
    <message>
        <source>Work out each flange&apos;s distance from the centre from the distance between the flanges, or from the width over the locknuts</source>
        <translation>Den Abstand jedes Flansches von der Mitte aus dem Abstand zwischen den Flanschen oder aus der Einbaubreite ermitteln</translation>
    </message>
    <message>
        <source>ERD ±1 mm:</source>
        <translation>ERD ±1 mm:</translation>
    </message>
    <message>
        <source>Side 1 length to buy with the ERD 1 mm either way</source>
        <translation>Kauflänge Seite 1 bei ERD ±1 mm</translation>
    </message>
    <message>
        <source>The stock lengths to buy if the ERD were 1 mm shorter and 1 mm longer: one length means a millimetre&apos;s doubt about the rim does not matter</source>
        <translation>Die Lieferlängen, die bei 1 mm kleinerem und bei 1 mm größerem ERD zu kaufen wären: Steht nur eine Länge da, spielt ein Millimeter Unsicherheit bei der Felge keine Rolle</translation>
    </message>
    <message>
        <source>Side 2 length to buy with the ERD 1 mm either way</source>
        <translation>Kauflänge Seite 2 bei ERD ±1 mm</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Aufbau</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Build name</source>
        <translation>Name des Aufbaus</translation>
    </message>
    <message>
        <source>Build notes</source>
        <translation>Notizen zum Aufbau</translation>
    </message>
</context>
<context>
    <name>Navigation</name>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
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
    <message>
        <source>Open…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter…</translation>
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
    <name>menu 131</name>
    <message>
        <source>Wheel</source>
        <translation>Laufrad</translation>
    </message>
    <message>
        <source>Spoke tensions…</source>
        <translation>Speichenspannungen…</translation>
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
        <source>Side ^1 at ^2 % of the other side&apos;s tension may go slack under load: lace 2:1, use a rim whose spoke holes are offset toward side ^1, or give side ^1 thinner spokes, which stretch more and keep their tension.</source>
        <extracomment>^2 is a whole number: write the percentage as your language does (58 %, 58%). &quot;Thinner spokes&quot;: a thinner spoke stretches more at a given tension, so it keeps some tension when the load takes a little away.</extracomment>
        <translation>Seite ^1 mit ^2&#xa0;% der Spannung der anderen Seite kann unter Last schlaff werden: 2:1 einspeichen, eine Felge mit zur Seite ^1 versetzten Speichenlöchern nehmen oder Seite ^1 dünnere Speichen geben, die sich weiter dehnen und ihre Spannung halten.</translation>
    </message>
    <message>
        <source>Side ^1: ^2 crossings take its spokes ^3° round the wheel, at or past the ^4° at which they would leave the flange along its tangent, so they would point back over their own flange. Lace it with fewer crossings.</source>
        <translation>Seite ^1: ^2 Kreuzungen führen ihre Speichen ^3° um das Rad, bis an oder über die ^4°, bei denen sie tangential vom Flansch abgingen; sie zeigten also über ihren eigenen Flansch zurück. Mit weniger Kreuzungen einspeichen.</translation>
    </message>
    <message>
        <source>Both sides: ^1 and ^2 crossings on ^3 and ^4 spokes take the spokes at or past the tangent of their flanges, so they would point back over their own flanges. Lace them with fewer crossings.</source>
        <translation>Beide Seiten: ^1 und ^2 Kreuzungen bei ^3 und ^4 Speichen führen die Speichen bis an oder über die Tangente ihrer Flansche; sie zeigten also über ihre eigenen Flansche zurück. Mit weniger Kreuzungen einspeichen.</translation>
    </message>
    <message>
        <source>Side ^1: ^2 crossings on its ^3 spokes run ^4 mm from the centre of the next hub hole, over the head of the spoke in it. Lace it with fewer crossings.</source>
        <translation>Seite ^1: Mit ^2 Kreuzungen laufen ihre ^3 Speichen ^4 mm von der Mitte des nächsten Nabenlochs entfernt, über den Kopf der Speiche darin. Mit weniger Kreuzungen einspeichen.</translation>
    </message>
    <message>
        <source>^1 spokes on equal sides cannot be laced evenly with crossings: ^2 spokes a side cannot alternate leading and trailing. Lace them radial, or 2:1.</source>
        <translation>^1 Speichen mit gleichen Seiten lassen sich nicht gleichmäßig gekreuzt einspeichen: Bei ^2 Speichen je Seite können drückende und ziehende nicht abwechseln. Radial oder 2:1 einspeichen.</translation>
    </message>
    <message>
        <source>Side ^1: its seats send the spokes off along the tangent, ^2° round the wheel: ^3 crossings on its ^4 spokes. Lace it with the nearest whole number; the length does not depend on the crossings chosen.</source>
        <translation>Seite ^1: Ihre Kopfsitze lassen die Speichen tangential austreten, ^2° um das Rad: ^3 Kreuzungen bei ihren ^4 Speichen. Mit der nächsten ganzen Zahl einspeichen; die Länge hängt nicht von den gewählten Kreuzungen ab.</translation>
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
        <source>^1. The key spoke, side ^2, head out: from hub hole ^3 of side ^2&apos;s flange into rim hole 1. It trails: from the hub it runs counterclockwise, seen from side 2, to the rim.</source>
        <extracomment>The key spoke: the first spoke laced, into the rim hole right of the valve hole; the others are laced from it. &quot;Key&quot; as in &quot;the one the rest follow&quot;, not a tool.</extracomment>
        <translation>^1. Die erste Speiche, Seite ^2, Kopf außen: von Nabenloch ^3 am Flansch von Seite ^2 in Felgenloch 1. Sie ist ziehend: Von der Nabe läuft sie, von Seite 2 aus gesehen, gegen den Uhrzeigersinn zur Felge.</translation>
    </message>
    <message>
        <source>^1. The rest of side ^2&apos;s trailing spokes, heads out, from every second hub hole (hub hole→rim hole): ^3.</source>
        <translation>^1. Die übrigen ziehenden Speichen von Seite ^2, Kopf außen, aus jedem zweiten Nabenloch (Nabenloch→Felgenloch): ^3.</translation>
    </message>
    <message>
        <source>^1. Side ^2&apos;s trailing spokes, heads out, counterclockwise from the hub like side ^3&apos;s (hub hole→rim hole): ^4. The last one ends left of the valve hole, beside the key spoke.</source>
        <translation>^1. Die ziehenden Speichen von Seite ^2, Kopf außen, von der Nabe aus gegen den Uhrzeigersinn wie die von Seite ^3 (Nabenloch→Felgenloch): ^4. Die letzte endet links vom Ventilloch, neben der ersten Speiche.</translation>
    </message>
    <message>
        <source>^1. Side ^2&apos;s leading spokes, heads in, from the hub holes left between (hub hole→rim hole): ^3.</source>
        <translation>^1. Die drückenden Speichen von Seite ^2, Kopf innen, aus den freien Nabenlöchern dazwischen (Nabenloch→Felgenloch): ^3.</translation>
    </message>
    <message>
        <source>^1. The rest of side ^2&apos;s radial spokes, heads in (on the flange&apos;s inner face), each straight out from its hub hole (hub hole→rim hole): ^3.</source>
        <translation>^1. Die übrigen radialen Speichen von Seite ^2, Kopf innen (auf der Flanschinnenseite), jede gerade hinaus aus ihrem Nabenloch (Nabenloch→Felgenloch): ^3.</translation>
    </message>
    <message>
        <source>^1. Side ^2&apos;s radial spokes, heads in (on the flange&apos;s inner face), each straight out from its hub hole (hub hole→rim hole): ^3.</source>
        <translation>^1. Die radialen Speichen von Seite ^2, Kopf innen (auf der Flanschinnenseite), jede gerade hinaus aus ihrem Nabenloch (Nabenloch→Felgenloch): ^3.</translation>
    </message>
    <message>
        <source>^1. Look at the wheel from side 2 (the drive side) with the valve hole at the top. Rim holes are counted clockwise from the valve hole: rim hole 1 is the first to its right.</source>
        <translation>^1. Das Laufrad von Seite 2 (Antriebsseite) aus ansehen, das Ventilloch oben. Die Felgenlöcher werden vom Ventilloch aus im Uhrzeigersinn gezählt: Felgenloch 1 ist das erste rechts davon.</translation>
    </message>
    <message>
        <source>The two sides&apos; spokes take the rim holes in turn. On a rim whose holes sit alternately left and right, rim hole 1 must sit toward side ^1 (turn the rim over if not).</source>
        <translation>Die Speichen der beiden Seiten belegen die Felgenlöcher abwechselnd. Bei einer Felge mit abwechselnd links und rechts versetzten Löchern muss Felgenloch 1 zur Seite ^1 hin liegen (sonst die Felge umdrehen).</translation>
    </message>
    <message>
        <source>Every spoke then reaches a hole offset toward its own flange.</source>
        <translation>Dann erreicht jede Speiche ein zu ihrem eigenen Flansch hin versetztes Loch.</translation>
    </message>
    <message>
        <source>Rim holes 1 and 2 take side ^1&apos;s spokes, rim hole 3 side ^2&apos;s, and so on in threes round the rim: the valve hole lies between one hole of side ^2 and two of side ^1.</source>
        <translation>Felgenloch 1 und 2 nehmen Speichen von Seite ^1 auf, Felgenloch 3 eine von Seite ^2, und so weiter in Dreiergruppen rund um die Felge: Das Ventilloch liegt zwischen einem Loch von Seite ^2 und zweien von Seite ^1.</translation>
    </message>
    <message>
        <source>A rim drilled for 2:1 has its pairs of holes offset toward side ^1.</source>
        <translation>Bei einer für 2:1 gebohrten Felge sind die Lochpaare zur Seite ^1 hin versetzt.</translation>
    </message>
    <message>
        <source>On a rim whose holes sit alternately left and right, half of the spokes would reach a hole offset toward the other flange, however the rim is turned.</source>
        <translation>Bei einer Felge mit abwechselnd links und rechts versetzten Löchern erreichte die Hälfte der Speichen ein zum anderen Flansch hin versetztes Loch, wie auch immer die Felge liegt.</translation>
    </message>
    <message>
        <source>^1. Hub holes are counted on each flange clockwise as the wheel is seen from side 2: on side 1&apos;s flange, looked at from side 1, that is counterclockwise.</source>
        <translation>^1. Die Nabenlöcher werden an jedem Flansch im Uhrzeigersinn gezählt, das Laufrad von Seite 2 aus gesehen: Am Flansch von Seite 1, von Seite 1 aus betrachtet, ist das gegen den Uhrzeigersinn.</translation>
    </message>
    <message>
        <source>Any hole of side ^1&apos;s flange may be its hub hole ^2, the key spoke&apos;s.</source>
        <translation>Nabenloch ^2, das der ersten Speiche, darf jedes Loch am Flansch von Seite ^1 sein.</translation>
    </message>
    <message>
        <source>Trailing spokes go heads out (the head on the flange&apos;s outer face), leading spokes heads in (on its inner face): heads in and out alternate round each flange.</source>
        <translation>Ziehende Speichen sitzen mit dem Kopf außen (Kopf auf der Flanschaußenseite), drückende mit dem Kopf innen (auf der Flanschinnenseite): Köpfe innen und außen wechseln sich an jedem Flansch ab.</translation>
    </message>
    <message>
        <source>On a straight-pull hub its seats decide.</source>
        <translation>Bei einer Straightpull-Nabe geben das die Kopfsitze vor.</translation>
    </message>
    <message>
        <source>^1. On side ^2&apos;s flange, hub hole ^3 is the hole half a hole spacing clockwise, seen from side 2, from the key spoke&apos;s hole on side ^4&apos;s flange; count side ^2&apos;s other holes from it.</source>
        <extracomment>The two flanges&apos; holes are staggered: each hole sits half the spacing between two holes round from the nearest hole of the other flange.</extracomment>
        <translation>^1. Am Flansch von Seite ^2 ist Nabenloch ^3 das Loch, das einen halben Lochabstand im Uhrzeigersinn (von Seite 2 aus gesehen) neben dem Loch der ersten Speiche am Flansch von Seite ^4 liegt; die übrigen Löcher von Seite ^2 ab ihm zählen.</translation>
    </message>
    <message>
        <source>^1. On side ^2&apos;s flange, hub hole ^3 is the hole half a hole spacing counterclockwise, seen from side 2, from the key spoke&apos;s hole on side ^4&apos;s flange; count side ^2&apos;s other holes from it.</source>
        <translation>^1. Am Flansch von Seite ^2 ist Nabenloch ^3 das Loch, das einen halben Lochabstand gegen den Uhrzeigersinn (von Seite 2 aus gesehen) neben dem Loch der ersten Speiche am Flansch von Seite ^4 liegt; die übrigen Löcher von Seite ^2 ab ihm zählen.</translation>
    </message>
    <message>
        <source>^1. The key spoke, side ^2, head in (on the flange&apos;s inner face): from hub hole ^3 of side ^2&apos;s flange straight out into rim hole 1.</source>
        <translation>^1. Die erste Speiche, Seite ^2, Kopf innen (auf der Flanschinnenseite): von Nabenloch ^3 am Flansch von Seite ^2 gerade hinaus in Felgenloch 1.</translation>
    </message>
    <message>
        <source>Each runs clockwise from the hub, seen from side 2, and crosses ^1 of its own side&apos;s spokes: over the first ones and under the last, next to the rim.</source>
        <translation>Jede läuft von der Nabe aus im Uhrzeigersinn (von Seite 2 aus gesehen) und kreuzt ^1 Speichen ihrer eigenen Seite: über die ersten hinweg und unter der letzten hindurch, nahe der Felge.</translation>
    </message>
    <message>
        <source>Each runs clockwise from the hub, seen from side 2, and crosses one spoke of its own side, passing under it.</source>
        <translation>Jede läuft von der Nabe aus im Uhrzeigersinn (von Seite 2 aus gesehen) und kreuzt eine Speiche ihrer eigenen Seite, unter ihr hindurch.</translation>
    </message>
</context>
<context>
    <name>strings 146</name>
    <message>
        <source>“^1” is not a Quennick build file.</source>
        <translation>„^1“ ist keine Quennick-Aufbaudatei.</translation>
    </message>
    <message>
        <source>“^1” is damaged: it is not a build as Quennick writes one, and was not opened.</source>
        <translation>„^1“ ist beschädigt: Es ist kein Aufbau, wie Quennick ihn schreibt, und wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>“^1” ends too soon: the file was cut short, and was not opened.</source>
        <translation>„^1“ endet zu früh: Die Datei ist abgeschnitten und wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>“^1” was saved by a newer version of Quennick. What this version understands of it is shown; the rest is left out, and saving it here keeps only what is shown.</source>
        <translation>„^1“ wurde mit einer neueren Quennick-Version gespeichert. Angezeigt wird, was diese Version davon versteht; der Rest entfällt, und beim Speichern hier bleibt nur das Angezeigte erhalten.</translation>
    </message>
    <message>
        <source>“^1” is larger than any build file (1 MiB), and was not opened.</source>
        <translation>„^1“ ist größer als jede Aufbaudatei (1 MiB) und wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>“^1” is a folder, not a build file.</source>
        <translation>„^1“ ist ein Ordner, keine Aufbaudatei.</translation>
    </message>
    <message>
        <source>“^1” is not a file but a named pipe or a device, and was not opened.</source>
        <translation>„^1“ ist keine Datei, sondern eine benannte Pipe oder ein Gerät, und wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>“^1” could not be opened: ^2.</source>
        <translation>„^1“ konnte nicht geöffnet werden: ^2.</translation>
    </message>
</context>
<context>
    <name>strings 147</name>
    <message>
        <source>“^1” could not be saved: ^2. The file on the disk is as it was before.</source>
        <translation>„^1“ konnte nicht gespeichert werden: ^2. Die Datei auf dem Datenträger ist unverändert.</translation>
    </message>
</context>
<context>
    <name>strings 148</name>
    <message>
        <source>Save the changes to “^1”?</source>
        <translation>Änderungen an „^1“ speichern?</translation>
    </message>
    <message>
        <source>Your changes since the last save are lost if you don&apos;t save them.</source>
        <translation>Die Änderungen seit dem letzten Speichern gehen verloren, wenn sie nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>strings 149</name>
    <message>
        <source>^1 — Quennick</source>
        <translation>^1 — Quennick</translation>
    </message>
    <message>
        <source>*^1 — Quennick</source>
        <translation>*^1 — Quennick</translation>
    </message>
    <message>
        <source>Quennick builds (*.quennick)</source>
        <translation>Quennick-Aufbauten (*.quennick)</translation>
    </message>
    <message>
        <source>build</source>
        <translation>Aufbau</translation>
    </message>
</context>
<context>
    <name>strings 150</name>
    <message>
        <source>Spoke tensions: ^1</source>
        <translation>Speichenspannungen: ^1</translation>
    </message>
    <message>
        <source>No wheel calculated yet: calculate one, and its spokes are listed here for their tensions.</source>
        <translation>Noch kein Laufrad berechnet: eines berechnen, dann stehen seine Speichen hier für ihre Spannungen bereit.</translation>
    </message>
    <message>
        <source>Tension (kgf/N)</source>
        <extracomment>The meter that shows tension itself (a digital one), as against one whose readings a table turns into tension.</extracomment>
        <translation>Spannung (kgf/N)</translation>
    </message>
    <message>
        <source>^1, ^2, ^3 spokes</source>
        <translation>^1, ^2, ^3 Speichen</translation>
    </message>
    <message>
        <source>Reading</source>
        <extracomment>A tension meter&apos;s reading: the number the meter shows, before its table turns it into a tension.</extracomment>
        <translation>Messwert</translation>
    </message>
    <message>
        <source>Tension</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Tension readings</source>
        <translation>Spannungsmesswerte</translation>
    </message>
</context>
<context>
    <name>strings 151</name>
    <message>
        <source>not a reading: left out</source>
        <translation>kein Messwert: nicht berücksichtigt</translation>
    </message>
    <message>
        <source>outside the meter&apos;s table: left out</source>
        <translation>außerhalb der Tabelle des Tensiometers: nicht berücksichtigt</translation>
    </message>
    <message>
        <source>^1 under its side&apos;s mean: tighten</source>
        <extracomment>^1 a whole percentage with its sign written by list 163 (&quot;24 %&quot;). Tighten: turn the nipple to raise the spoke&apos;s tension.</extracomment>
        <translation>^1 unter dem Mittelwert ihrer Seite: nachspannen</translation>
    </message>
    <message>
        <source>^1 over its side&apos;s mean: loosen</source>
        <translation>^1 über dem Mittelwert ihrer Seite: entspannen</translation>
    </message>
    <message>
        <source>rim hole ^1, side ^2: ^3</source>
        <translation>Felgenloch ^1, Seite ^2: ^3</translation>
    </message>
    <message>
        <source>Every spoke read is within ±^1 of its side&apos;s mean.</source>
        <translation>Alle gemessenen Speichen liegen innerhalb von ±^1 um den Mittelwert ihrer Seite.</translation>
    </message>
    <message>
        <source>Spokes outside ±^1 of their side&apos;s mean, furthest first:</source>
        <translation>Speichen außerhalb von ±^1 um den Mittelwert ihrer Seite, größte Abweichung zuerst:</translation>
    </message>
    <message>
        <source>rim hole ^1, side ^2, hub hole ^3: ^4</source>
        <translation>Felgenloch ^1, Seite ^2, Nabenloch ^3: ^4</translation>
    </message>
</context>
<context>
    <name>strings 152</name>
    <message>
        <source>Side ^1: mean ^2, from ^3 of its ^4 spokes</source>
        <translation>Seite ^1: Mittelwert ^2, aus ^3 ihrer ^4 Speichen</translation>
    </message>
    <message>
        <source>Side ^1: no reading yet</source>
        <translation>Seite ^1: noch kein Messwert</translation>
    </message>
    <message>
        <source>Side ^1: its share of the target is ^2; the mean is ^3 from it</source>
        <extracomment>^2 the side&apos;s share of the tension typed for the higher-tension side; ^3 how far the mean is from it, a signed percentage.</extracomment>
        <translation>Seite ^1: ihr Anteil an der Sollspannung ist ^2; der Mittelwert weicht um ^3 davon ab</translation>
    </message>
</context>
<context>
    <name>strings 153</name>
    <message>
        <source>Spoke tensions round the wheel, seen from side 2, valve at the top: farther out is tighter. Side 1 dashed, orange, open squares; side 2 solid, blue, filled dots; each side&apos;s mean a circle in its band of ^1; a spoke outside its band ringed.</source>
        <extracomment>What the chart shows, for screen readers. ^1 the band (&quot;±20 %&quot;).</extracomment>
        <translation>Spannungen je Seite rund ums Laufrad, von Seite 2, Ventil oben: je weiter außen, desto straffer. Seite 1 gestrichelt, orange, offene Quadrate; Seite 2 durchgezogen, blau, volle Punkte; Mittelwert als Kreis mit Band ^1; Speiche außerhalb umkreist.</translation>
    </message>
</context>
<context>
    <name>strings 154</name>
    <message>
        <source>^1 to ^2 mm</source>
        <translation>^1 bis ^2 mm</translation>
    </message>
    <message>
        <source>^1 mm</source>
        <translation>^1 mm</translation>
    </message>
</context>
<context>
    <name>strings 155</name>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Nipple washers, each</source>
        <translation>Unterlegscheibe je Nippel</translation>
    </message>
    <message>
        <source>ERD the lengths are worked from</source>
        <translation>ERD, aus dem die Längen berechnet sind</translation>
    </message>
    <message>
        <source>To buy at ERD ±1 mm, side 1</source>
        <translation>Kauflänge bei ERD ±1 mm, Seite 1</translation>
    </message>
    <message>
        <source>To buy at ERD ±1 mm, side 2</source>
        <translation>Kauflänge bei ERD ±1 mm, Seite 2</translation>
    </message>
</context>
<context>
    <name>strings 156</name>
    <message>
        <source>Put two spokes in opposite holes, screw a nipple on each, pull them tight and measure across from where one spoke enters its nipple to where the other enters its own. Each nipple&apos;s length is added.</source>
        <translation>Zwei Speichen in gegenüberliegende Löcher stecken, je einen Nippel aufschrauben, straff ziehen und quer messen: vom Eintritt der einen Speiche in ihren Nippel bis zum Eintritt der anderen in ihren. Jede Nippellänge wird addiert.</translation>
    </message>
    <message>
        <source>Seat two rods of known length in opposite holes, each in a nipple as a spoke will be, and measure across between their ends. Each rod&apos;s length is added.</source>
        <translation>Zwei Stäbe bekannter Länge in gegenüberliegende Löcher setzen, jeden in einem Nippel wie später die Speiche, und quer zwischen ihren Enden messen. Jede Stablänge wird addiert.</translation>
    </message>
    <message>
        <source>Measured across:</source>
        <translation>Quer gemessen:</translation>
    </message>
    <message>
        <source>Nipple length:</source>
        <translation>Nippellänge:</translation>
    </message>
    <message>
        <source>Length of each rod:</source>
        <translation>Länge jedes Stabs:</translation>
    </message>
    <message>
        <source>ERD ^1 mm filled in: ^2 across and twice ^3.</source>
        <translation>ERD ^1 mm eingetragen: ^2 quer plus zweimal ^3.</translation>
    </message>
    <message>
        <source>These figures give no ERD: the measurement and what is added at each end must both be above 0.</source>
        <translation>Diese Werte ergeben keinen ERD: Der Messwert und die Zugabe an jedem Ende müssen beide über 0 liegen.</translation>
    </message>
    <message>
        <source>The distance between the flanges, middle to middle, and how far their middle lies off the hub&apos;s centre toward side 1 (0 or empty for a centred hub).</source>
        <translation>Der Abstand zwischen den Flanschen, Mitte zu Mitte, und wie weit ihre Mitte von der Nabenmitte zur Seite 1 hin versetzt ist (0 oder leer bei mittiger Nabe).</translation>
    </message>
    <message>
        <source>The width over the locknuts, and each flange&apos;s distance, to its middle, from its own locknut.</source>
        <translation>Die Einbaubreite über die Kontermuttern und der Abstand jedes Flansches, bis zu seiner Mitte, von seiner eigenen Kontermutter.</translation>
    </message>
    <message>
        <source>Distance between the flanges:</source>
        <translation>Abstand zwischen den Flanschen:</translation>
    </message>
    <message>
        <source>Offset toward side 1:</source>
        <translation>Versatz Richtung Seite 1:</translation>
    </message>
    <message>
        <source>Width over the locknuts:</source>
        <translation>Einbaubreite über Kontermuttern:</translation>
    </message>
    <message>
        <source>Side 1 locknut to flange:</source>
        <translation>Seite 1, Kontermutter bis Flansch:</translation>
    </message>
    <message>
        <source>Side 2 locknut to flange:</source>
        <translation>Seite 2, Kontermutter bis Flansch:</translation>
    </message>
    <message>
        <source>Flange distances filled in: side 1 ^1 mm, side 2 ^2 mm.</source>
        <translation>Flanschabstände eingetragen: Seite 1 ^1 mm, Seite 2 ^2 mm.</translation>
    </message>
    <message>
        <source>These figures give no flange distances: each must come out above 0.</source>
        <translation>Diese Werte ergeben keine Flanschabstände: Jeder muss über 0 liegen.</translation>
    </message>
    <message>
        <source>Measure across the flange from the outer edge of one spoke hole to the outer edge of the hole opposite; one hole&apos;s diameter is taken off.</source>
        <translation>Quer über den Flansch messen, von der Außenkante eines Speichenlochs bis zur Außenkante des gegenüberliegenden Lochs; ein Lochdurchmesser wird abgezogen.</translation>
    </message>
    <message>
        <source>Measure across the flange from one spoke hole to the hole opposite, from the same edge of each: that is the circle through the holes&apos; centres.</source>
        <translation>Quer über den Flansch messen, von einem Speichenloch zum gegenüberliegenden, jeweils an derselben Kante: Das ergibt den Kreis durch die Lochmitten.</translation>
    </message>
    <message>
        <source>Spoke hole diameter:</source>
        <translation>Speichenlochdurchmesser:</translation>
    </message>
    <message>
        <source>Flange diameter ^1 mm filled in for ^2.</source>
        <translation>Flanschdurchmesser ^1 mm eingetragen für ^2.</translation>
    </message>
    <message>
        <source>These figures give no flange diameter: the measurement must be larger than the hole.</source>
        <translation>Diese Werte ergeben keinen Flanschdurchmesser: Der Messwert muss größer als das Loch sein.</translation>
    </message>
    <message>
        <source>both sides</source>
        <translation>beide Seiten</translation>
    </message>
    <message>
        <source>side 1</source>
        <translation>Seite 1</translation>
    </message>
    <message>
        <source>side 2</source>
        <translation>Seite 2</translation>
    </message>
</context>
<context>
    <name>strings 158</name>
    <message>
        <source>The tension of the higher-tension side is no number: type it in figures, such as 120. No stretch or length to buy comes from it.</source>
        <extracomment>The lacing note on the tension typed for the higher-tension side (as in string list 140&apos;s &quot;Tension of the higher-tension side&quot;). ^1 to ^2: the range&apos;s two numbers; ^3: the unit it was typed in, ^4 the other one (the unit popup&apos;s words, kgf or N).</extracomment>
        <translation>Die Spannung der höher gespannten Seite ist keine Zahl: in Ziffern eingeben, etwa 120. Daraus ergeben sich weder Dehnung noch Kauflänge.</translation>
    </message>
    <message>
        <source>No spoke or rim takes a tension outside ^1 to ^2 ^3 on the higher-tension side: no stretch or length to buy comes from it.</source>
        <translation>Keine Speiche und keine Felge verträgt auf der höher gespannten Seite eine Spannung außerhalb von ^1 bis ^2 ^3: Daraus ergeben sich weder Dehnung noch Kauflänge.</translation>
    </message>
    <message>
        <source>No spoke or rim takes a tension outside ^1 to ^2 ^3 on the higher-tension side; in ^4 it would be inside: is the unit right? No stretch or length to buy comes from it.</source>
        <translation>Keine Speiche und keine Felge verträgt auf der höher gespannten Seite eine Spannung außerhalb von ^1 bis ^2 ^3; in ^4 läge sie darin: Stimmt die Einheit? Daraus ergeben sich weder Dehnung noch Kauflänge.</translation>
    </message>
</context>
<context>
    <name>strings 159</name>
    <message>
        <source>The rim&apos;s diameter at the spoke ends (ERD) must be a number above 0: these lengths fit no wheel.</source>
        <extracomment>The lacing note on rim and hub figures no wheel has (the first four), and why the build sheet and the lacing diagram show no lacing (the last four). ^1 is a side&apos;s number (1 or 2), numbers in mm are written as the form writes them (&quot;300,00&quot;); in the fourth, ^1 is the offset and ^2 the side.</extracomment>
        <translation>Der Felgendurchmesser an den Speichenenden (ERD) muss eine Zahl über 0 sein: Diese Längen passen zu keinem Laufrad.</translation>
    </message>
    <message>
        <source>Side ^1&apos;s flange, ^2 mm across, is as wide as the rim (ERD ^3 mm) or wider: these lengths fit no wheel.</source>
        <translation>Der Flansch von Seite ^1, ^2 mm im Durchmesser, ist so groß wie die Felge (ERD ^3 mm) oder größer: Diese Längen passen zu keinem Laufrad.</translation>
    </message>
    <message>
        <source>Side ^1&apos;s flange distance from the centre, ^2 mm, must be above 0: these lengths fit no wheel.</source>
        <translation>Der Flanschabstand von der Mitte auf Seite ^1, ^2 mm, muss über 0 liegen: Diese Längen passen zu keinem Laufrad.</translation>
    </message>
    <message>
        <source>The rim&apos;s spoke hole offset, ^1 mm, reaches side ^2&apos;s flange distance (^3 mm) or past it: that side&apos;s spokes would lie flat, so these lengths fit no wheel.</source>
        <translation>Der Speichenlochversatz der Felge, ^1 mm, erreicht den Flanschabstand von Seite ^2 (^3 mm) oder geht darüber hinaus: Die Speichen dieser Seite lägen flach, also passen diese Längen zu keinem Laufrad.</translation>
    </message>
    <message>
        <source>No lacing: side ^1&apos;s ^2 spokes cannot be crossed, as a crossed side needs an even number of spokes. Lace that side radial or choose another spoke count.</source>
        <translation>Keine Einspeichung: Die ^2 Speichen von Seite ^1 lassen sich nicht kreuzen, denn eine gekreuzte Seite braucht eine gerade Speichenzahl. Diese Seite radial einspeichen oder eine andere Speichenzahl wählen.</translation>
    </message>
    <message>
        <source>No lacing: side ^1&apos;s ^2 spokes take at most ^3 crossings; with ^4 a spoke would reach round the hub to its own radial hole.</source>
        <translation>Keine Einspeichung: Die ^2 Speichen von Seite ^1 vertragen höchstens ^3 Kreuzungen; bei ^4 reichte eine Speiche um die Nabe herum bis zu ihrem eigenen radialen Loch.</translation>
    </message>
    <message>
        <source>No lacing: these spoke counts cannot be laced.</source>
        <translation>Keine Einspeichung: Diese Speichenzahlen lassen sich nicht einspeichen.</translation>
    </message>
    <message>
        <source>No lacing: a spoke length has no result.</source>
        <translation>Keine Einspeichung: Eine Speichenlänge hat kein Ergebnis.</translation>
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
