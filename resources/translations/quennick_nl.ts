<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Quennick</source>
        <translation>Over Quennick</translation>
    </message>
    <message>
        <source>Quennick</source>
        <translation>Quennick</translation>
    </message>
    <message>
        <source>Works out the spoke length for each side of a bicycle wheel from the rim, the hub, the crossings and the number of spokes.</source>
        <translation>Berekent de spaaklengte voor elke kant van een fietswiel uit de velg, de naaf, de kruisingen en het aantal spaken.</translation>
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
        <translation>Bouwblad</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Paginanummer</translation>
    </message>
</context>
<context>
    <name>ErdHelper</name>
    <message>
        <source>ERD from a measurement</source>
        <translation>ERD uit een meting</translation>
    </message>
    <message>
        <source>Measured with</source>
        <translation>Gemeten met</translation>
    </message>
    <message>
        <source>Two spokes with nipples across the rim</source>
        <translation>Twee spaken met nippels, dwars over de velg</translation>
    </message>
    <message>
        <source>A measuring tool: two rods of known length</source>
        <translation>Een meetgereedschap: twee staafjes van bekende lengte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation>Invullen</translation>
    </message>
</context>
<context>
    <name>FlangeDiameterHelper</name>
    <message>
        <source>Flange diameter from a measurement</source>
        <translation>Flensdiameter uit een meting</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Gemeten</translation>
    </message>
    <message>
        <source>Across the outer edges of two opposite holes</source>
        <translation>Over de buitenranden van twee tegenoverliggende gaten</translation>
    </message>
    <message>
        <source>Hole to hole across, from the same edge of each</source>
        <translation>Van gat tot gat, telkens vanaf dezelfde rand</translation>
    </message>
    <message>
        <source>For:</source>
        <translation>Voor:</translation>
    </message>
    <message>
        <source>Which flange</source>
        <translation>Welke flens</translation>
    </message>
    <message>
        <source>Both sides</source>
        <translation>Beide kanten</translation>
    </message>
    <message>
        <source>Side 1</source>
        <translation>Kant 1</translation>
    </message>
    <message>
        <source>Side 2</source>
        <translation>Kant 2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation>Invullen</translation>
    </message>
</context>
<context>
    <name>FlangeDistanceHelper</name>
    <message>
        <source>Flange distances from the maker&apos;s figures</source>
        <translation>Flensafstanden uit de opgaven van de fabrikant</translation>
    </message>
    <message>
        <source>The maker gives</source>
        <translation>De fabrikant geeft</translation>
    </message>
    <message>
        <source>The distance between the flanges and their offset</source>
        <translation>De afstand tussen de flenzen en hun offset</translation>
    </message>
    <message>
        <source>The width over the locknuts and each flange&apos;s distance from its locknut</source>
        <translation>De breedte over de contramoeren en de afstand van elke flens tot de contramoer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation>Invullen</translation>
    </message>
</context>
<context>
    <name>LacingDiagram</name>
    <message>
        <source>side 2, trailing</source>
        <translation>kant 2, trekkend</translation>
    </message>
    <message>
        <source>side 2, leading</source>
        <translation>kant 2, duwend</translation>
    </message>
    <message>
        <source>side 1, trailing</source>
        <translation>kant 1, trekkend</translation>
    </message>
    <message>
        <source>side 1, leading</source>
        <translation>kant 1, duwend</translation>
    </message>
    <message>
        <source>valve</source>
        <translation>ventiel</translation>
    </message>
    <message>
        <source>The rim alone: calculate a wheel to see its spokes.</source>
        <translation>Alleen de velg: bereken een wiel om de spaken te zien.</translation>
    </message>
    <message>
        <source>Lacing diagram</source>
        <translation>Inspaakschema</translation>
    </message>
    <message>
        <source>key spoke</source>
        <extracomment>Label beside the key spoke on the lacing diagram: the first spoke laced, the one the others follow (&quot;key&quot; as in guide, not a tool). Keep it short.</extracomment>
        <translation>eerste spaak</translation>
    </message>
    <message>
        <source>The wheel seen from side 2 with the valve hole at the top: %1 spokes, %2 on side 1 with %3 crossings (dashed, orange) and %4 on side 2 with %5 crossings (solid, blue); trailing spokes drawn with wider lines than leading ones; the key spoke, in rim hole 1 right of the valve hole, drawn black.</source>
        <extracomment>What the lacing diagram shows, for screen readers. &quot;Wider lines&quot;: the pen, not the spoke. The key spoke: the first spoke laced, the one the others follow.</extracomment>
        <translation>Het wiel gezien vanaf kant 2, het ventielgat boven: %1 spaken, %2 aan kant 1 met %3 kruisingen (gestreept, oranje) en %4 aan kant 2 met %5 kruisingen (doorgetrokken, blauw); trekkende spaken met bredere lijnen dan duwende; de eerste spaak, in velggat 1 rechts van het ventielgat, zwart.</translation>
    </message>
    <message>
        <source>The rim alone. %1</source>
        <translation>Alleen de velg. %1</translation>
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
        <translation>Velg</translation>
    </message>
    <message>
        <source>Choose a rim…</source>
        <translation>Velg kiezen…</translation>
    </message>
    <message>
        <source>Choose a rim</source>
        <translation>Velg kiezen</translation>
    </message>
    <message>
        <source>Rim:</source>
        <translation>Velg:</translation>
    </message>
    <message>
        <source>Rim name</source>
        <translation>Naam van de velg</translation>
    </message>
    <message>
        <source>Size:</source>
        <extracomment>The rim&apos;s size as its maker gives it (700C, 29&quot;, 622 x 19); the build sheet calls the same field &quot;Size&quot;: use one word for both.</extracomment>
        <translation>Maat:</translation>
    </message>
    <message>
        <source>Rim size</source>
        <translation>Maat van de velg</translation>
    </message>
    <message>
        <source>Notes:</source>
        <extracomment>Free text from the catalogue about the rim or the hub; the build sheet calls the same field &quot;Notes&quot;: use one word for both.</extracomment>
        <translation>Notities:</translation>
    </message>
    <message>
        <source>Rim notes</source>
        <translation>Notities bij de velg</translation>
    </message>
    <message>
        <source>Rim diameter at the spoke ends (ERD):</source>
        <translation>Velgdiameter aan de spaakuiteinden (ERD):</translation>
    </message>
    <message>
        <source>Rim diameter at the spoke ends</source>
        <translation>Velgdiameter aan de spaakuiteinden</translation>
    </message>
    <message>
        <source>Effective rim diameter: twice the distance from the hub axis to the spoke ends in the rim</source>
        <translation>Effectieve velgdiameter: tweemaal de afstand van de naafas tot de spaakuiteinden in de velg</translation>
    </message>
    <message>
        <source>Spoke hole offset:</source>
        <translation>Offset van de spaakgaten:</translation>
    </message>
    <message>
        <source>Spoke hole offset</source>
        <translation>Offset van de spaakgaten</translation>
    </message>
    <message>
        <source>0,00</source>
        <translation>0,00</translation>
    </message>
    <message>
        <source>Hub</source>
        <translation>Naaf</translation>
    </message>
    <message>
        <source>Choose a hub…</source>
        <translation>Naaf kiezen…</translation>
    </message>
    <message>
        <source>Choose a hub</source>
        <translation>Naaf kiezen</translation>
    </message>
    <message>
        <source>Hub:</source>
        <translation>Naaf:</translation>
    </message>
    <message>
        <source>Hub name</source>
        <translation>Naam van de naaf</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Positie:</translation>
    </message>
    <message>
        <source>Hub position</source>
        <translation>Positie van de naaf</translation>
    </message>
    <message>
        <source>Axle:</source>
        <translation>As:</translation>
    </message>
    <message>
        <source>Hub axle</source>
        <translation>As van de naaf</translation>
    </message>
    <message>
        <source>Hub notes</source>
        <translation>Notities bij de naaf</translation>
    </message>
    <message>
        <source>Spoke hole diameter:</source>
        <translation>Diameter van de spaakgaten:</translation>
    </message>
    <message>
        <source>Spoke hole diameter</source>
        <translation>Diameter van de spaakgaten</translation>
    </message>
    <message>
        <source>Side 1</source>
        <translation>Kant 1</translation>
    </message>
    <message>
        <source>Side 2</source>
        <translation>Kant 2</translation>
    </message>
    <message>
        <source>Flange diameter:</source>
        <translation>Flensdiameter:</translation>
    </message>
    <message>
        <source>Side 1 flange diameter</source>
        <translation>Flensdiameter kant 1</translation>
    </message>
    <message>
        <source>Side 2 flange diameter</source>
        <translation>Flensdiameter kant 2</translation>
    </message>
    <message>
        <source>Flange distance from the centre:</source>
        <translation>Flensafstand tot het midden:</translation>
    </message>
    <message>
        <source>Side 1 flange distance from the centre</source>
        <translation>Flensafstand tot het midden, kant 1</translation>
    </message>
    <message>
        <source>Side 2 flange distance from the centre</source>
        <translation>Flensafstand tot het midden, kant 2</translation>
    </message>
    <message>
        <source>Crossings:</source>
        <translation>Kruisingen:</translation>
    </message>
    <message>
        <source>Side 1 crossings</source>
        <translation>Kruisingen kant 1</translation>
    </message>
    <message>
        <source>0 (radial)</source>
        <translation>0 (radiaal)</translation>
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
        <translation>Kruisingen kant 2</translation>
    </message>
    <message>
        <source>Spokes in the wheel:</source>
        <translation>Spaken in het wiel:</translation>
    </message>
    <message>
        <source>Spokes in the wheel</source>
        <translation>Spaken in het wiel</translation>
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
        <translation>Spaken</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Lengte:</translation>
    </message>
    <message>
        <source>Side 1 spoke length</source>
        <translation>Spaaklengte kant 1</translation>
    </message>
    <message>
        <source>Side 2 spoke length</source>
        <translation>Spaaklengte kant 2</translation>
    </message>
    <message>
        <source>Tension:</source>
        <translation>Spanning:</translation>
    </message>
    <message>
        <source>Side 1 spoke tension</source>
        <translation>Spaakspanning kant 1</translation>
    </message>
    <message>
        <source>Side 2 spoke tension</source>
        <translation>Spaakspanning kant 2</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Clear the form</source>
        <translation>Formulier wissen</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berekenen</translation>
    </message>
    <message>
        <source>Calculate the spoke lengths</source>
        <translation>Spaaklengtes berekenen</translation>
    </message>
    <message>
        <source>Spoke head:</source>
        <translation>Spaakkop:</translation>
    </message>
    <message>
        <source>Spoke head</source>
        <translation>Spaakkop</translation>
    </message>
    <message>
        <source>J-bend</source>
        <extracomment>A spoke head, under the label &quot;Spoke head:&quot;: the spoke is bent just below its head, like a J, and hooks through a hole in the flange.</extracomment>
        <translation>J-bend</translation>
    </message>
    <message>
        <source>Straight-pull</source>
        <extracomment>A spoke head, under the label &quot;Spoke head:&quot;: the spoke runs straight out of its head, with no bend (as against J-bend). Agree it with the word for &quot;head&quot;.</extracomment>
        <translation>Straight-pull</translation>
    </message>
    <message>
        <source>Flanges</source>
        <translation>Flenzen</translation>
    </message>
    <message>
        <source>Lacing</source>
        <translation>Inspaken</translation>
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
        <translation>Spaken per kant:</translation>
    </message>
    <message>
        <source>Spokes per side</source>
        <translation>Spaken per kant</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Gelijk</translation>
    </message>
    <message>
        <source>2:1, more on side 2</source>
        <translation>2:1, meer aan kant 2</translation>
    </message>
    <message>
        <source>2:1, more on side 1</source>
        <translation>2:1, meer aan kant 1</translation>
    </message>
    <message>
        <source>Bracing angle:</source>
        <extracomment>The angle between a side&apos;s spokes and the wheel&apos;s centre plane, seen from the front of the wheel.</extracomment>
        <translation>Spaakhoek:</translation>
    </message>
    <message>
        <source>Side 1 bracing angle</source>
        <translation>Spaakhoek kant 1</translation>
    </message>
    <message>
        <source>The angle of this side&apos;s spokes to the wheel&apos;s plane: the larger, the stiffer the wheel sideways</source>
        <translation>De hoek van de spaken van deze kant met het vlak van het wiel: hoe groter, hoe stijver het wiel zijdelings</translation>
    </message>
    <message>
        <source>Side 2 bracing angle</source>
        <translation>Spaakhoek kant 2</translation>
    </message>
    <message>
        <source>Lacing note</source>
        <translation>Opmerking over het inspaken</translation>
    </message>
    <message>
        <source>Spoke gauge:</source>
        <extracomment>The thickness (diameter) of the spoke wire, in mm; not a measuring tool.</extracomment>
        <translation>Spaakdikte:</translation>
    </message>
    <message>
        <source>Side 1 spoke gauge</source>
        <translation>Spaakdikte kant 1</translation>
    </message>
    <message>
        <source>Stainless spoke of this side: plain, or butted (diameters at the head, the middle and the thread, in mm)</source>
        <translation>RVS-spaak van deze kant: glad, of DD: aan de uiteinden dikker dan in het midden (diameters bij de kop, in het midden en bij de draad, in mm)</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Niet opgegeven</translation>
    </message>
    <message>
        <source>Plain 2,0 mm</source>
        <extracomment>A plain spoke: the same diameter from head to thread, as against a butted one. Not &quot;simple&quot; or &quot;smooth&quot;.</extracomment>
        <translation>Glad 2,0 mm</translation>
    </message>
    <message>
        <source>Plain 1,8 mm</source>
        <translation>Glad 1,8 mm</translation>
    </message>
    <message>
        <source>Plain 2,3 mm</source>
        <translation>Glad 2,3 mm</translation>
    </message>
    <message>
        <source>Butted 2,0/1,8/2,0</source>
        <extracomment>A butted spoke: thicker at both ends than in the middle (diameters at the head, the middle and the thread). Every spoke is drawn wire, so not &quot;drawn&quot;; not &quot;tapered&quot; either.</extracomment>
        <translation>DD 2,0/1,8/2,0</translation>
    </message>
    <message>
        <source>Butted 2,0/1,5/2,0</source>
        <translation>DD 2,0/1,5/2,0</translation>
    </message>
    <message>
        <source>Side 2 spoke gauge</source>
        <translation>Spaakdikte kant 2</translation>
    </message>
    <message>
        <source>Tension unit</source>
        <translation>Eenheid van spanning</translation>
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
        <translation>Verkrijgbare lengtes:</translation>
    </message>
    <message>
        <source>Stock lengths</source>
        <translation>Verkrijgbare lengtes</translation>
    </message>
    <message>
        <source>Every 2 mm (even)</source>
        <translation>Elke 2 mm (even)</translation>
    </message>
    <message>
        <source>Every 1 mm</source>
        <translation>Per millimeter</translation>
    </message>
    <message>
        <source>Stretch:</source>
        <translation>Rek:</translation>
    </message>
    <message>
        <source>Side 1 stretch</source>
        <translation>Rek kant 1</translation>
    </message>
    <message>
        <source>How much this side&apos;s spokes stretch at their tension, in mm</source>
        <translation>Hoeveel de spaken van deze kant rekken onder hun spanning, in mm</translation>
    </message>
    <message>
        <source>Side 2 stretch</source>
        <translation>Rek kant 2</translation>
    </message>
    <message>
        <source>Length to buy:</source>
        <translation>Te kopen lengte:</translation>
    </message>
    <message>
        <source>Side 1 length to buy</source>
        <translation>Te kopen lengte kant 1</translation>
    </message>
    <message>
        <source>The stock length nearest the spoke&apos;s unstretched length (without a gauge and a tension: nearest the length above), and how far it is from it</source>
        <translation>De verkrijgbare lengte die het dichtst bij de ongerekte spaaklengte ligt (zonder spaakdikte en spanning: bij de lengte erboven), en hoe ver ze ervan af ligt</translation>
    </message>
    <message>
        <source>Side 2 length to buy</source>
        <translation>Te kopen lengte kant 2</translation>
    </message>
    <message>
        <source>Tension of the higher-tension side:</source>
        <extracomment>The side whose spokes carry more tension (the one shown at 100 %; side 2, the drive side, on most rear wheels). &quot;Higher-tension&quot;, not &quot;tight&quot; as in a close fit.</extracomment>
        <translation>Spanning van de hoger gespannen kant:</translation>
    </message>
    <message>
        <source>Tension of the higher-tension side</source>
        <translation>Spanning van de hoger gespannen kant</translation>
    </message>
    <message>
        <source>The tension to build the higher-tension side to; the other side gets its share. Empty for none</source>
        <translation>De spanning waarop de hoger gespannen kant gebracht wordt; de andere kant krijgt haar deel. Leeg voor geen</translation>
    </message>
    <message>
        <source>The lengths spokes are sold in: the length to buy is the nearest of them, and a length exactly halfway between two is bought as the longer</source>
        <extracomment>A length exactly halfway between two stock lengths (289 mm between 288 and 290) is bought as the longer one.</extracomment>
        <translation>De lengtes waarin spaken verkocht worden: de te kopen lengte is de dichtstbijzijnde; ligt een lengte precies tussen twee in, dan de langere</translation>
    </message>
    <message>
        <source>Spoke tension of this side as a share of the higher-tension side&apos;s: the two sides pull the rim sideways in balance</source>
        <translation>Spaakspanning van deze kant als deel van die van de hoger gespannen kant: zo trekken beide kanten de velg zijwaarts in evenwicht</translation>
    </message>
    <message>
        <source>Asymmetric rims: how far the spoke holes sit off the rim&apos;s centre, in mm, as the rim maker gives it. Choose below toward which side they sit.</source>
        <translation>Asymmetrische velgen: hoe ver de spaakgaten naast het midden van de velg liggen, in mm, zoals de velgfabrikant het opgeeft. Kies hieronder naar welke kant ze liggen.</translation>
    </message>
    <message>
        <source>Spoke holes offset toward:</source>
        <translation>Spaakgaten verschoven naar:</translation>
    </message>
    <message>
        <source>Spoke holes offset toward</source>
        <translation>Spaakgaten verschoven naar</translation>
    </message>
    <message>
        <source>The side of the wheel the rim&apos;s spoke holes sit toward: that side&apos;s flange distance shrinks by the offset and the other side&apos;s grows by it. On a dished rear wheel, side 1 (away from the sprockets) evens the tensions.</source>
        <translation>De kant van het wiel waar de spaakgaten van de velg naartoe liggen: de flensafstand van die kant krimpt met de offset en die van de andere kant groeit ermee. Bij een achterwiel met ongelijke flensafstanden maakt kant 1 (weg van de tandwielen) de spanningen gelijker.</translation>
    </message>
    <message>
        <source>Straight-pull spokes leave:</source>
        <translation>Straight-pull-spaken lopen:</translation>
    </message>
    <message>
        <source>Straight-pull spokes leave</source>
        <translation>Straight-pull-spaken lopen</translation>
    </message>
    <message>
        <source>How the hub&apos;s seats send a straight-pull spoke off: aimed at its rim hole from a seat on the head seat circle (moved by the seat offset), or along the tangent of that circle, so that the hub, not the crossings, decides the length</source>
        <translation>Hoe de kopzittingen van de naaf een straight-pull-spaak laten vertrekken: gericht op haar velggat vanuit een zitting op de steekcirkel van de kopzittingen (verschoven met de offset van de kopzitting), of langs de raaklijn aan die cirkel, zodat de naaf, niet de kruisingen, de lengte bepaalt</translation>
    </message>
    <message>
        <source>Toward the rim hole</source>
        <translation>Naar het velggat</translation>
    </message>
    <message>
        <source>Along the tangent</source>
        <translation>Langs de raaklijn</translation>
    </message>
    <message>
        <source>Seat offset:</source>
        <translation>Offset van de kopzitting:</translation>
    </message>
    <message>
        <source>Seat offset</source>
        <translation>Offset van de kopzitting</translation>
    </message>
    <message>
        <source>Straight-pull hubs whose seat sits off the radial line: how far, in mm, measured along the flange toward the spoke&apos;s rim hole. Empty or 0 for a seat on the radial line</source>
        <translation>Straight-pull-naven waarvan de kopzitting naast de radiale lijn ligt: hoe ver, in mm, gemeten langs de flens in de richting van het velggat van de spaak. Leeg of 0 voor een zitting op de radiale lijn</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Work out the ERD from a measurement</source>
        <translation>ERD uit een meting berekenen</translation>
    </message>
    <message>
        <source>Work out the ERD from a measurement across the rim</source>
        <translation>ERD berekenen uit een meting dwars over de velg</translation>
    </message>
    <message>
        <source>Nipple washers, each:</source>
        <translation>Nippelringen, elk:</translation>
    </message>
    <message>
        <source>Nipple washer thickness</source>
        <translation>Dikte van de nippelringen</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>The thickness of the washer under each nipple, in mm; empty for none. Each nipple sits a washer further out, so the lengths are worked from the ERD plus twice the washer.</source>
        <translation>De dikte van de ring onder elke nippel, in mm; leeg voor geen. Elke nippel zit een ringdikte verder naar buiten, dus de lengtes worden berekend uit de ERD plus tweemaal de ringdikte.</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Bron:</translation>
    </message>
    <message>
        <source>Rim source</source>
        <translation>Bron van de velg</translation>
    </message>
    <message>
        <source>Where the chosen rim&apos;s figures come from, as its catalogue says</source>
        <translation>Waar de gegevens van de gekozen velg vandaan komen, volgens de catalogus</translation>
    </message>
    <message>
        <source>Hub source</source>
        <translation>Bron van de naaf</translation>
    </message>
    <message>
        <source>Where the chosen hub&apos;s figures come from, as its catalogue says</source>
        <translation>Waar de gegevens van de gekozen naaf vandaan komen, volgens de catalogus</translation>
    </message>
    <message>
        <source>Work out the flange diameter from a measurement</source>
        <translation>Flensdiameter uit een meting berekenen</translation>
    </message>
    <message>
        <source>Work out the flange diameter from a measurement across the flange</source>
        <translation>Flensdiameter berekenen uit een meting dwars over de flens</translation>
    </message>
    <message>
        <source>Work out the flange distances from the maker&apos;s figures</source>
        <translation>Flensafstanden berekenen uit de opgaven van de fabrikant</translation>
    </message>
    <message>
        <source>Work out each flange&apos;s distance from the centre from the distance between the flanges, or from the width over the locknuts</source>
        <translation>De afstand van elke flens tot het midden berekenen uit de afstand tussen de flenzen, of uit de breedte over de contramoeren</translation>
    </message>
    <message>
        <source>ERD ±1 mm:</source>
        <translation>ERD ±1 mm:</translation>
    </message>
    <message>
        <source>Side 1 length to buy with the ERD 1 mm either way</source>
        <translation>Te kopen lengte kant 1 bij een ERD 1 mm kleiner of groter</translation>
    </message>
    <message>
        <source>The stock lengths to buy if the ERD were 1 mm shorter and 1 mm longer: one length means a millimetre&apos;s doubt about the rim does not matter</source>
        <translation>De te kopen verkrijgbare lengtes als de ERD 1 mm kleiner en 1 mm groter was: één lengte betekent dat een millimeter twijfel over de velg er niet toe doet</translation>
    </message>
    <message>
        <source>Side 2 length to buy with the ERD 1 mm either way</source>
        <translation>Te kopen lengte kant 2 bij een ERD 1 mm kleiner of groter</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Opbouw</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Build name</source>
        <translation>Naam van de opbouw</translation>
    </message>
    <message>
        <source>Build notes</source>
        <translation>Notities bij de opbouw</translation>
    </message>
</context>
<context>
    <name>Navigation</name>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
</context>
<context>
    <name>list</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>Type to narrow the list</source>
        <translation>Typ om de lijst in te perken</translation>
    </message>
    <message>
        <source>Showing “%1”: %2</source>
        <translation>Filter ‘%1’: %2</translation>
    </message>
    <message>
        <source>%1 entries; type to narrow the list</source>
        <translation>%1 items; typ om de lijst in te perken</translation>
    </message>
    <message>
        <source>Showing “%1”, %2 entries</source>
        <translation>Filter ‘%1’, %2 items</translation>
    </message>
    <message>
        <source>Close the list</source>
        <translation>Lijst sluiten</translation>
    </message>
    <message>
        <source>Close the list without choosing (Escape)</source>
        <translation>Lijst sluiten zonder te kiezen (Esc)</translation>
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
        <translation>Over Quennick</translation>
    </message>
</context>
<context>
    <name>menu 129</name>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Lacing diagram…</source>
        <translation>Inspaakschema…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Afdrukken…</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Openen…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Opslaan als…</translation>
    </message>
</context>
<context>
    <name>menu 130</name>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Knippen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Copy build sheet</source>
        <translation>Bouwblad kopiëren</translation>
    </message>
</context>
<context>
    <name>menu 131</name>
    <message>
        <source>Wheel</source>
        <translation>Wiel</translation>
    </message>
    <message>
        <source>Spoke tensions…</source>
        <translation>Spaakspanningen…</translation>
    </message>
</context>
<context>
    <name>strings 128</name>
    <message>
        <source>no result</source>
        <translation>geen resultaat</translation>
    </message>
</context>
<context>
    <name>strings 129</name>
    <message>
        <source>Side ^1: ^2 crossings on its ^3 spokes reach ^4° round the wheel, past a quarter turn, so the spokes would run across their own flange. Lace it with fewer crossings.</source>
        <translation>Kant ^1: ^2 kruisingen op haar ^3 spaken reiken ^4° rond het wiel, voorbij een kwartslag, zodat de spaken over hun eigen flens zouden lopen. Spaak haar in met minder kruisingen.</translation>
    </message>
    <message>
        <source>Both sides: ^1 and ^2 crossings on ^3 and ^4 spokes reach past a quarter turn round the wheel, so the spokes would run across their own flanges. Lace them with fewer crossings.</source>
        <translation>Beide kanten: ^1 en ^2 kruisingen op ^3 en ^4 spaken reiken voorbij een kwartslag rond het wiel, zodat de spaken over hun eigen flenzen zouden lopen. Spaak ze in met minder kruisingen.</translation>
    </message>
    <message>
        <source>Side ^1 at ^2 % of the other side&apos;s tension may go slack under load: lace 2:1, use a rim whose spoke holes are offset toward side ^1, or give side ^1 thinner spokes, which stretch more and keep their tension.</source>
        <extracomment>^2 is a whole number: write the percentage as your language does (58 %, 58%). &quot;Thinner spokes&quot;: a thinner spoke stretches more at a given tension, so it keeps some tension when the load takes a little away.</extracomment>
        <translation>Kant ^1 op ^2% van de spanning van de andere kant kan onder belasting slap worden: spaak 2:1 in, neem een velg met de spaakgaten naar kant ^1 verschoven of geef kant ^1 dunnere spaken, die meer rekken en hun spanning houden.</translation>
    </message>
    <message>
        <source>Side ^1: ^2 crossings take its spokes ^3° round the wheel, at or past the ^4° at which they would leave the flange along its tangent, so they would point back over their own flange. Lace it with fewer crossings.</source>
        <translation>Kant ^1: met ^2 kruisingen reiken haar spaken ^3° rond het wiel, tot of voorbij de ^4° waarbij ze de flens langs de raaklijn verlaten, zodat ze terug over hun eigen flens zouden wijzen. Spaak haar in met minder kruisingen.</translation>
    </message>
    <message>
        <source>Both sides: ^1 and ^2 crossings on ^3 and ^4 spokes take the spokes at or past the tangent of their flanges, so they would point back over their own flanges. Lace them with fewer crossings.</source>
        <translation>Beide kanten: met ^1 en ^2 kruisingen op ^3 en ^4 spaken reiken de spaken tot of voorbij de raaklijn aan hun flenzen, zodat ze terug over hun eigen flenzen zouden wijzen. Spaak ze in met minder kruisingen.</translation>
    </message>
    <message>
        <source>Side ^1: ^2 crossings on its ^3 spokes run ^4 mm from the centre of the next hub hole, over the head of the spoke in it. Lace it with fewer crossings.</source>
        <translation>Kant ^1: met ^2 kruisingen op haar ^3 spaken lopen de spaken op ^4 mm van het midden van het volgende naafgat, over de kop van de spaak daarin. Spaak haar in met minder kruisingen.</translation>
    </message>
    <message>
        <source>^1 spokes on equal sides cannot be laced evenly with crossings: ^2 spokes a side cannot alternate leading and trailing. Lace them radial, or 2:1.</source>
        <translation>^1 spaken over gelijke kanten zijn niet regelmatig gekruist in te spaken: bij ^2 spaken per kant kunnen trekkend en duwend niet afwisselen. Spaak ze radiaal in, of 2:1.</translation>
    </message>
    <message>
        <source>Side ^1: its seats send the spokes off along the tangent, ^2° round the wheel: ^3 crossings on its ^4 spokes. Lace it with the nearest whole number; the length does not depend on the crossings chosen.</source>
        <translation>Kant ^1: haar kopzittingen laten de spaken langs de raaklijn vertrekken, ^2° rond het wiel: ^3 kruisingen op haar ^4 spaken. Spaak haar in met het dichtstbijzijnde gehele getal; de lengte hangt niet af van de gekozen kruisingen.</translation>
    </message>
</context>
<context>
    <name>strings 130</name>
    <message>
        <source>Flange diameter:</source>
        <translation>Flensdiameter:</translation>
    </message>
    <message>
        <source>Flange distance from the centre:</source>
        <translation>Flensafstand tot het midden:</translation>
    </message>
    <message>
        <source>Head seat circle diameter (PCD):</source>
        <translation>Steekcirkel van de kopzittingen (PCD):</translation>
    </message>
    <message>
        <source>Head seat distance from the centre:</source>
        <translation>Afstand van de kopzittingen tot het midden:</translation>
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
        <translation>Flensdiameter kant 1</translation>
    </message>
    <message>
        <source>Side 2 flange diameter</source>
        <translation>Flensdiameter kant 2</translation>
    </message>
    <message>
        <source>Side 1 flange distance from the centre</source>
        <translation>Flensafstand tot het midden, kant 1</translation>
    </message>
    <message>
        <source>Side 2 flange distance from the centre</source>
        <translation>Flensafstand tot het midden, kant 2</translation>
    </message>
    <message>
        <source>Side 1 head seat circle diameter</source>
        <translation>Steekcirkel van de kopzittingen kant 1</translation>
    </message>
    <message>
        <source>Side 2 head seat circle diameter</source>
        <translation>Steekcirkel van de kopzittingen kant 2</translation>
    </message>
    <message>
        <source>Side 1 head seat distance from the centre</source>
        <translation>Afstand van de kopzittingen tot het midden, kant 1</translation>
    </message>
    <message>
        <source>Side 2 head seat distance from the centre</source>
        <translation>Afstand van de kopzittingen tot het midden, kant 2</translation>
    </message>
</context>
<context>
    <name>strings 140</name>
    <message>
        <source>Quennick build sheet</source>
        <translation>Quennick-bouwblad</translation>
    </message>
    <message>
        <source>Rim</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>Hub</source>
        <translation>Naaf</translation>
    </message>
    <message>
        <source>Lacing</source>
        <translation>Inspaken</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultaten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>The same field as the form&apos;s &quot;Size:&quot;: use the same word.</extracomment>
        <translation>Maat</translation>
    </message>
    <message>
        <source>Notes</source>
        <extracomment>The same field as the form&apos;s &quot;Notes:&quot;: use the same word.</extracomment>
        <translation>Notities</translation>
    </message>
    <message>
        <source>Diameter at the spoke ends (ERD)</source>
        <translation>Diameter aan de spaakuiteinden (ERD)</translation>
    </message>
    <message>
        <source>Spoke hole offset</source>
        <translation>Offset van de spaakgaten</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>Axle</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Flange diameter, side 1</source>
        <translation>Flensdiameter, kant 1</translation>
    </message>
    <message>
        <source>Flange diameter, side 2</source>
        <translation>Flensdiameter, kant 2</translation>
    </message>
    <message>
        <source>Flange distance, side 1</source>
        <translation>Flensafstand, kant 1</translation>
    </message>
    <message>
        <source>Flange distance, side 2</source>
        <translation>Flensafstand, kant 2</translation>
    </message>
    <message>
        <source>Spoke hole diameter</source>
        <translation>Diameter van de spaakgaten</translation>
    </message>
    <message>
        <source>Crossings, side 1</source>
        <translation>Kruisingen, kant 1</translation>
    </message>
    <message>
        <source>Crossings, side 2</source>
        <translation>Kruisingen, kant 2</translation>
    </message>
    <message>
        <source>Spokes</source>
        <translation>Spaken</translation>
    </message>
    <message>
        <source>Spoke length, side 1</source>
        <translation>Spaaklengte, kant 1</translation>
    </message>
    <message>
        <source>Spoke length, side 2</source>
        <translation>Spaaklengte, kant 2</translation>
    </message>
    <message>
        <source>Tension, side 1</source>
        <translation>Spanning, kant 1</translation>
    </message>
    <message>
        <source>Tension, side 2</source>
        <translation>Spanning, kant 2</translation>
    </message>
    <message>
        <source>Lacing steps</source>
        <translation>Stappen van het inspaken</translation>
    </message>
    <message>
        <source>Lacing table</source>
        <translation>Inspaaktabel</translation>
    </message>
    <message>
        <source>Rim hole</source>
        <translation>Velggat</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Kant</translation>
    </message>
    <message>
        <source>Hub hole</source>
        <translation>Naafgat</translation>
    </message>
    <message>
        <source>Spoke</source>
        <translation>Spaak</translation>
    </message>
    <message>
        <source>leading</source>
        <translation>duwend</translation>
    </message>
    <message>
        <source>trailing</source>
        <translation>trekkend</translation>
    </message>
    <message>
        <source>radial</source>
        <translation>radiaal</translation>
    </message>
    <message>
        <source>^1→^2</source>
        <translation>^1→^2</translation>
    </message>
    <message>
        <source>Spokes per side</source>
        <translation>Spaken per kant</translation>
    </message>
    <message>
        <source>Spoke head</source>
        <translation>Spaakkop</translation>
    </message>
    <message>
        <source>Lacing note</source>
        <translation>Opmerking over het inspaken</translation>
    </message>
    <message>
        <source>Bracing angle, side 1</source>
        <translation>Spaakhoek, kant 1</translation>
    </message>
    <message>
        <source>Bracing angle, side 2</source>
        <translation>Spaakhoek, kant 2</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>gelijk</translation>
    </message>
    <message>
        <source>2:1, more on side 2</source>
        <translation>2:1, meer aan kant 2</translation>
    </message>
    <message>
        <source>2:1, more on side 1</source>
        <translation>2:1, meer aan kant 1</translation>
    </message>
    <message>
        <source>J-bend</source>
        <translation>J-bend</translation>
    </message>
    <message>
        <source>straight-pull</source>
        <translation>straight-pull</translation>
    </message>
    <message>
        <source>Head seat circle diameter, side 1</source>
        <translation>Steekcirkel van de kopzittingen, kant 1</translation>
    </message>
    <message>
        <source>Head seat circle diameter, side 2</source>
        <translation>Steekcirkel van de kopzittingen, kant 2</translation>
    </message>
    <message>
        <source>Head seat distance, side 1</source>
        <translation>Afstand van de kopzittingen, kant 1</translation>
    </message>
    <message>
        <source>Head seat distance, side 2</source>
        <translation>Afstand van de kopzittingen, kant 2</translation>
    </message>
    <message>
        <source>Spoke gauge, side 1</source>
        <translation>Spaakdikte, kant 1</translation>
    </message>
    <message>
        <source>Spoke gauge, side 2</source>
        <translation>Spaakdikte, kant 2</translation>
    </message>
    <message>
        <source>Tension unit</source>
        <translation>Eenheid van spanning</translation>
    </message>
    <message>
        <source>Stock lengths</source>
        <translation>Verkrijgbare lengtes</translation>
    </message>
    <message>
        <source>Stretch, side 1</source>
        <translation>Rek, kant 1</translation>
    </message>
    <message>
        <source>Stretch, side 2</source>
        <translation>Rek, kant 2</translation>
    </message>
    <message>
        <source>Length to buy, side 1</source>
        <translation>Te kopen lengte, kant 1</translation>
    </message>
    <message>
        <source>Length to buy, side 2</source>
        <translation>Te kopen lengte, kant 2</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>niet opgegeven</translation>
    </message>
    <message>
        <source>plain 2,0 mm</source>
        <extracomment>A plain spoke: one diameter from head to thread, as against a butted one (thicker at the ends than in the middle).</extracomment>
        <translation>glad 2,0 mm</translation>
    </message>
    <message>
        <source>plain 1,8 mm</source>
        <translation>glad 1,8 mm</translation>
    </message>
    <message>
        <source>plain 2,3 mm</source>
        <translation>glad 2,3 mm</translation>
    </message>
    <message>
        <source>butted 2,0/1,8/2,0</source>
        <translation>DD 2,0/1,8/2,0</translation>
    </message>
    <message>
        <source>butted 2,0/1,5/2,0</source>
        <translation>DD 2,0/1,5/2,0</translation>
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
        <translation>elke 2 mm (even)</translation>
    </message>
    <message>
        <source>every 1 mm</source>
        <translation>per millimeter</translation>
    </message>
    <message>
        <source>Tension of the higher-tension side</source>
        <extracomment>The tension typed for the side whose spokes carry more tension (the one at 100 %); &quot;higher-tension&quot;, not &quot;tight&quot; as in a close fit.</extracomment>
        <translation>Spanning van de hoger gespannen kant</translation>
    </message>
</context>
<context>
    <name>strings 141</name>
    <message>
        <source>^1. The key spoke, side ^2, head out: from hub hole ^3 of side ^2&apos;s flange into rim hole 1. It trails: from the hub it runs counterclockwise, seen from side 2, to the rim.</source>
        <extracomment>The key spoke: the first spoke laced, into the rim hole right of the valve hole; the others are laced from it. &quot;Key&quot; as in &quot;the one the rest follow&quot;, not a tool.</extracomment>
        <translation>^1. De eerste spaak, kant ^2, kop buiten: van naafgat ^3 van de flens van kant ^2 in velggat 1. Ze is trekkend: vanaf de naaf loopt ze tegen de klok in, gezien vanaf kant 2, naar de velg.</translation>
    </message>
    <message>
        <source>^1. The rest of side ^2&apos;s trailing spokes, heads out, from every second hub hole (hub hole→rim hole): ^3.</source>
        <translation>^1. De overige trekkende spaken van kant ^2, kop buiten, uit elk tweede naafgat (naafgat→velggat): ^3.</translation>
    </message>
    <message>
        <source>^1. Side ^2&apos;s trailing spokes, heads out, counterclockwise from the hub like side ^3&apos;s (hub hole→rim hole): ^4. The last one ends left of the valve hole, beside the key spoke.</source>
        <translation>^1. De trekkende spaken van kant ^2, kop buiten, vanaf de naaf tegen de klok in zoals die van kant ^3 (naafgat→velggat): ^4. De laatste eindigt links van het ventielgat, naast de eerste spaak.</translation>
    </message>
    <message>
        <source>^1. Side ^2&apos;s leading spokes, heads in, from the hub holes left between (hub hole→rim hole): ^3.</source>
        <translation>^1. De duwende spaken van kant ^2, kop binnen, uit de naafgaten die ertussen vrij zijn (naafgat→velggat): ^3.</translation>
    </message>
    <message>
        <source>^1. The rest of side ^2&apos;s radial spokes, heads in (on the flange&apos;s inner face), each straight out from its hub hole (hub hole→rim hole): ^3.</source>
        <translation>^1. De overige radiale spaken van kant ^2, kop binnen (aan de binnenkant van de flens), elk recht vanuit haar naafgat naar de velg (naafgat→velggat): ^3.</translation>
    </message>
    <message>
        <source>^1. Side ^2&apos;s radial spokes, heads in (on the flange&apos;s inner face), each straight out from its hub hole (hub hole→rim hole): ^3.</source>
        <translation>^1. De radiale spaken van kant ^2, kop binnen (aan de binnenkant van de flens), elk recht vanuit haar naafgat naar de velg (naafgat→velggat): ^3.</translation>
    </message>
    <message>
        <source>^1. Look at the wheel from side 2 (the drive side) with the valve hole at the top. Rim holes are counted clockwise from the valve hole: rim hole 1 is the first to its right.</source>
        <translation>^1. Bekijk het wiel vanaf kant 2 (de aandrijfkant), met het ventielgat boven. De velggaten worden met de klok mee geteld vanaf het ventielgat: velggat 1 is het eerste rechts ervan.</translation>
    </message>
    <message>
        <source>The two sides&apos; spokes take the rim holes in turn. On a rim whose holes sit alternately left and right, rim hole 1 must sit toward side ^1 (turn the rim over if not).</source>
        <translation>De spaken van beide kanten nemen om beurten een velggat. Op een velg met de gaten afwisselend links en rechts moet velggat 1 naar kant ^1 toe liggen (draai de velg anders om).</translation>
    </message>
    <message>
        <source>Every spoke then reaches a hole offset toward its own flange.</source>
        <translation>Zo komt elke spaak in een gat dat naar haar eigen flens toe ligt.</translation>
    </message>
    <message>
        <source>Rim holes 1 and 2 take side ^1&apos;s spokes, rim hole 3 side ^2&apos;s, and so on in threes round the rim: the valve hole lies between one hole of side ^2 and two of side ^1.</source>
        <translation>Velggaten 1 en 2 krijgen spaken van kant ^1, velggat 3 een van kant ^2, en zo verder per drie rond de velg: het ventielgat ligt tussen één gat van kant ^2 en twee van kant ^1.</translation>
    </message>
    <message>
        <source>A rim drilled for 2:1 has its pairs of holes offset toward side ^1.</source>
        <translation>Bij een velg geboord voor 2:1 liggen de paren gaten naar kant ^1 toe.</translation>
    </message>
    <message>
        <source>On a rim whose holes sit alternately left and right, half of the spokes would reach a hole offset toward the other flange, however the rim is turned.</source>
        <translation>Op een velg met de gaten afwisselend links en rechts zou de helft van de spaken in een gat komen dat naar de andere flens toe ligt, hoe de velg ook gedraaid wordt.</translation>
    </message>
    <message>
        <source>^1. Hub holes are counted on each flange clockwise as the wheel is seen from side 2: on side 1&apos;s flange, looked at from side 1, that is counterclockwise.</source>
        <translation>^1. De naafgaten worden op elke flens met de klok mee geteld, het wiel gezien vanaf kant 2: op de flens van kant 1, bekeken vanaf kant 1, is dat tegen de klok in.</translation>
    </message>
    <message>
        <source>Any hole of side ^1&apos;s flange may be its hub hole ^2, the key spoke&apos;s.</source>
        <translation>Elk gat van de flens van kant ^1 kan haar naafgat ^2 zijn, dat van de eerste spaak.</translation>
    </message>
    <message>
        <source>Trailing spokes go heads out (the head on the flange&apos;s outer face), leading spokes heads in (on its inner face): heads in and out alternate round each flange.</source>
        <translation>Trekkende spaken gaan kop buiten (de kop aan de buitenkant van de flens), duwende kop binnen (aan de binnenkant): kop binnen en kop buiten wisselen elkaar af rond elke flens.</translation>
    </message>
    <message>
        <source>On a straight-pull hub its seats decide.</source>
        <translation>Bij een straight-pull-naaf bepalen de kopzittingen dat.</translation>
    </message>
    <message>
        <source>^1. On side ^2&apos;s flange, hub hole ^3 is the hole half a hole spacing clockwise, seen from side 2, from the key spoke&apos;s hole on side ^4&apos;s flange; count side ^2&apos;s other holes from it.</source>
        <extracomment>The two flanges&apos; holes are staggered: each hole sits half the spacing between two holes round from the nearest hole of the other flange.</extracomment>
        <translation>^1. Op de flens van kant ^2 is naafgat ^3 het gat een halve gatafstand met de klok mee, gezien vanaf kant 2, van het gat van de eerste spaak op de flens van kant ^4; tel de andere gaten van kant ^2 vanaf dat gat.</translation>
    </message>
    <message>
        <source>^1. On side ^2&apos;s flange, hub hole ^3 is the hole half a hole spacing counterclockwise, seen from side 2, from the key spoke&apos;s hole on side ^4&apos;s flange; count side ^2&apos;s other holes from it.</source>
        <translation>^1. Op de flens van kant ^2 is naafgat ^3 het gat een halve gatafstand tegen de klok in, gezien vanaf kant 2, van het gat van de eerste spaak op de flens van kant ^4; tel de andere gaten van kant ^2 vanaf dat gat.</translation>
    </message>
    <message>
        <source>^1. The key spoke, side ^2, head in (on the flange&apos;s inner face): from hub hole ^3 of side ^2&apos;s flange straight out into rim hole 1.</source>
        <translation>^1. De eerste spaak, kant ^2, kop binnen (aan de binnenkant van de flens): van naafgat ^3 van de flens van kant ^2 recht naar velggat 1.</translation>
    </message>
    <message>
        <source>Each runs clockwise from the hub, seen from side 2, and crosses ^1 of its own side&apos;s spokes: over the first ones and under the last, next to the rim.</source>
        <translation>Elke spaak loopt vanaf de naaf met de klok mee, gezien vanaf kant 2, en kruist ^1 spaken van haar eigen kant: over de eerste en onder de laatste, bij de velg.</translation>
    </message>
    <message>
        <source>Each runs clockwise from the hub, seen from side 2, and crosses one spoke of its own side, passing under it.</source>
        <translation>Elke spaak loopt vanaf de naaf met de klok mee, gezien vanaf kant 2, en kruist één spaak van haar eigen kant, eronderdoor.</translation>
    </message>
</context>
<context>
    <name>strings 146</name>
    <message>
        <source>“^1” is not a Quennick build file.</source>
        <translation>“^1” is geen Quennick-opbouwbestand.</translation>
    </message>
    <message>
        <source>“^1” is damaged: it is not a build as Quennick writes one, and was not opened.</source>
        <translation>“^1” is beschadigd: het is geen opbouw zoals Quennick die schrijft, en is niet geopend.</translation>
    </message>
    <message>
        <source>“^1” ends too soon: the file was cut short, and was not opened.</source>
        <translation>“^1” houdt te vroeg op: het bestand is afgebroken, en is niet geopend.</translation>
    </message>
    <message>
        <source>“^1” was saved by a newer version of Quennick. What this version understands of it is shown; the rest is left out, and saving it here keeps only what is shown.</source>
        <translation>“^1” is opgeslagen door een nieuwere versie van Quennick. Wat deze versie ervan begrijpt, wordt getoond; de rest is weggelaten, en hier opslaan bewaart alleen wat getoond wordt.</translation>
    </message>
    <message>
        <source>“^1” is larger than any build file (1 MiB), and was not opened.</source>
        <translation>“^1” is groter dan elk opbouwbestand (1 MiB), en is niet geopend.</translation>
    </message>
    <message>
        <source>“^1” is a folder, not a build file.</source>
        <translation>“^1” is een map, geen opbouwbestand.</translation>
    </message>
    <message>
        <source>“^1” is not a file but a named pipe or a device, and was not opened.</source>
        <translation>“^1” is geen bestand maar een named pipe of een apparaat, en is niet geopend.</translation>
    </message>
    <message>
        <source>“^1” could not be opened: ^2.</source>
        <translation>“^1” kon niet worden geopend: ^2.</translation>
    </message>
</context>
<context>
    <name>strings 147</name>
    <message>
        <source>“^1” could not be saved: ^2. The file on the disk is as it was before.</source>
        <translation>“^1” kon niet worden opgeslagen: ^2. Het bestand op de schijf is ongewijzigd.</translation>
    </message>
</context>
<context>
    <name>strings 148</name>
    <message>
        <source>Save the changes to “^1”?</source>
        <translation>Wijzigingen in “^1” opslaan?</translation>
    </message>
    <message>
        <source>Your changes since the last save are lost if you don&apos;t save them.</source>
        <translation>Wijzigingen sinds de laatste keer opslaan gaan verloren als ze niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Niet opslaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
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
        <translation>Quennick-opbouwen (*.quennick)</translation>
    </message>
    <message>
        <source>build</source>
        <translation>opbouw</translation>
    </message>
</context>
<context>
    <name>strings 150</name>
    <message>
        <source>Spoke tensions: ^1</source>
        <translation>Spaakspanningen: ^1</translation>
    </message>
    <message>
        <source>No wheel calculated yet: calculate one, and its spokes are listed here for their tensions.</source>
        <translation>Nog geen wiel berekend: bereken er een, dan staan de spaken hier klaar voor hun spanningen.</translation>
    </message>
    <message>
        <source>Tension (kgf/N)</source>
        <extracomment>The meter that shows tension itself (a digital one), as against one whose readings a table turns into tension.</extracomment>
        <translation>Spanning (kgf/N)</translation>
    </message>
    <message>
        <source>^1, ^2, ^3 spokes</source>
        <translation>^1, ^2, ^3 spaken</translation>
    </message>
    <message>
        <source>Reading</source>
        <extracomment>A tension meter&apos;s reading: the number the meter shows, before its table turns it into a tension.</extracomment>
        <translation>Aflezing</translation>
    </message>
    <message>
        <source>Tension</source>
        <translation>Spanning</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>Tension readings</source>
        <translation>Aflezingen van de spaakspanningsmeter</translation>
    </message>
</context>
<context>
    <name>strings 151</name>
    <message>
        <source>not a reading: left out</source>
        <translation>geen aflezing: weggelaten</translation>
    </message>
    <message>
        <source>outside the meter&apos;s table: left out</source>
        <translation>buiten de tabel van de meter: weggelaten</translation>
    </message>
    <message>
        <source>^1 under its side&apos;s mean: tighten</source>
        <extracomment>^1 a whole percentage with its sign written by list 163 (&quot;24 %&quot;). Tighten: turn the nipple to raise the spoke&apos;s tension.</extracomment>
        <translation>^1 onder het gemiddelde van haar kant: verhoog de spanning</translation>
    </message>
    <message>
        <source>^1 over its side&apos;s mean: loosen</source>
        <translation>^1 boven het gemiddelde van haar kant: verlaag de spanning</translation>
    </message>
    <message>
        <source>rim hole ^1, side ^2: ^3</source>
        <translation>velggat ^1, kant ^2: ^3</translation>
    </message>
    <message>
        <source>Every spoke read is within ±^1 of its side&apos;s mean.</source>
        <translation>Elke afgelezen spaak ligt binnen ±^1 van het gemiddelde van haar kant.</translation>
    </message>
    <message>
        <source>Spokes outside ±^1 of their side&apos;s mean, furthest first:</source>
        <translation>Spaken buiten ±^1 van het gemiddelde van hun kant, de verste eerst:</translation>
    </message>
    <message>
        <source>rim hole ^1, side ^2, hub hole ^3: ^4</source>
        <translation>velggat ^1, kant ^2, naafgat ^3: ^4</translation>
    </message>
</context>
<context>
    <name>strings 152</name>
    <message>
        <source>Side ^1: mean ^2, from ^3 of its ^4 spokes</source>
        <translation>Kant ^1: gemiddelde ^2, uit ^3 van haar ^4 spaken</translation>
    </message>
    <message>
        <source>Side ^1: no reading yet</source>
        <translation>Kant ^1: nog geen aflezing</translation>
    </message>
    <message>
        <source>Side ^1: its share of the target is ^2; the mean is ^3 from it</source>
        <extracomment>^2 the side&apos;s share of the tension typed for the higher-tension side; ^3 how far the mean is from it, a signed percentage.</extracomment>
        <translation>Kant ^1: haar deel van de doelspanning is ^2; het gemiddelde wijkt er ^3 van af</translation>
    </message>
</context>
<context>
    <name>strings 153</name>
    <message>
        <source>Spoke tensions round the wheel, seen from side 2, valve at the top: farther out is tighter. Side 1 dashed, orange, open squares; side 2 solid, blue, filled dots; each side&apos;s mean a circle in its band of ^1; a spoke outside its band ringed.</source>
        <extracomment>What the chart shows, for screen readers. ^1 the band (&quot;±20 %&quot;).</extracomment>
        <translation>Spanningen per kant rond het wiel, vanaf kant 2, ventiel boven: hoe verder naar buiten, hoe strakker. Kant 1 gestreept, oranje, open vierkanten; kant 2 doorgetrokken, blauw, volle stippen; gemiddelde: cirkel met band van ^1; spaak erbuiten omcirkeld.</translation>
    </message>
</context>
<context>
    <name>strings 154</name>
    <message>
        <source>^1 to ^2 mm</source>
        <translation>^1 tot ^2 mm</translation>
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
        <translation>Bron</translation>
    </message>
    <message>
        <source>Nipple washers, each</source>
        <translation>Nippelringen, elk</translation>
    </message>
    <message>
        <source>ERD the lengths are worked from</source>
        <translation>ERD waaruit de lengtes berekend zijn</translation>
    </message>
    <message>
        <source>To buy at ERD ±1 mm, side 1</source>
        <translation>Te kopen bij ERD ±1 mm, kant 1</translation>
    </message>
    <message>
        <source>To buy at ERD ±1 mm, side 2</source>
        <translation>Te kopen bij ERD ±1 mm, kant 2</translation>
    </message>
</context>
<context>
    <name>strings 156</name>
    <message>
        <source>Put two spokes in opposite holes, screw a nipple on each, pull them tight and measure across from where one spoke enters its nipple to where the other enters its own. Each nipple&apos;s length is added.</source>
        <translation>Steek twee spaken in tegenoverliggende gaten, draai op elk een nippel, trek ze strak en meet van waar de ene spaak haar nippel in gaat tot waar de andere de hare in gaat. Elke nippellengte komt erbij.</translation>
    </message>
    <message>
        <source>Seat two rods of known length in opposite holes, each in a nipple as a spoke will be, and measure across between their ends. Each rod&apos;s length is added.</source>
        <translation>Zet twee staafjes van bekende lengte in tegenoverliggende gaten, elk in een nippel zoals een spaak, en meet tussen hun uiteinden. De lengte van elk staafje komt erbij.</translation>
    </message>
    <message>
        <source>Measured across:</source>
        <translation>Gemeten afstand:</translation>
    </message>
    <message>
        <source>Nipple length:</source>
        <translation>Nippellengte:</translation>
    </message>
    <message>
        <source>Length of each rod:</source>
        <translation>Lengte van elk staafje:</translation>
    </message>
    <message>
        <source>ERD ^1 mm filled in: ^2 across and twice ^3.</source>
        <translation>ERD ^1 mm ingevuld: ^2 gemeten plus tweemaal ^3.</translation>
    </message>
    <message>
        <source>These figures give no ERD: the measurement and what is added at each end must both be above 0.</source>
        <translation>Deze waarden geven geen ERD: de meting en wat aan elk uiteinde bijkomt, moeten allebei boven 0 liggen.</translation>
    </message>
    <message>
        <source>The distance between the flanges, middle to middle, and how far their middle lies off the hub&apos;s centre toward side 1 (0 or empty for a centred hub).</source>
        <translation>De afstand tussen de flenzen, hart op hart, en hoe ver hun midden naar kant 1 naast het midden van de naaf ligt (0 of leeg voor een gecentreerde naaf).</translation>
    </message>
    <message>
        <source>The width over the locknuts, and each flange&apos;s distance, to its middle, from its own locknut.</source>
        <translation>De breedte over de contramoeren, en de afstand van elke contramoer tot het midden van de flens aan haar kant.</translation>
    </message>
    <message>
        <source>Distance between the flanges:</source>
        <translation>Afstand tussen de flenzen:</translation>
    </message>
    <message>
        <source>Offset toward side 1:</source>
        <translation>Offset naar kant 1:</translation>
    </message>
    <message>
        <source>Width over the locknuts:</source>
        <translation>Breedte over de contramoeren:</translation>
    </message>
    <message>
        <source>Side 1 locknut to flange:</source>
        <translation>Contramoer tot flens, kant 1:</translation>
    </message>
    <message>
        <source>Side 2 locknut to flange:</source>
        <translation>Contramoer tot flens, kant 2:</translation>
    </message>
    <message>
        <source>Flange distances filled in: side 1 ^1 mm, side 2 ^2 mm.</source>
        <translation>Flensafstanden ingevuld: kant 1 ^1 mm, kant 2 ^2 mm.</translation>
    </message>
    <message>
        <source>These figures give no flange distances: each must come out above 0.</source>
        <translation>Deze waarden geven geen flensafstanden: elke afstand moet boven 0 uitkomen.</translation>
    </message>
    <message>
        <source>Measure across the flange from the outer edge of one spoke hole to the outer edge of the hole opposite; one hole&apos;s diameter is taken off.</source>
        <translation>Meet over de flens van de buitenrand van een spaakgat tot de buitenrand van het gat ertegenover; de diameter van één gat gaat eraf.</translation>
    </message>
    <message>
        <source>Measure across the flange from one spoke hole to the hole opposite, from the same edge of each: that is the circle through the holes&apos; centres.</source>
        <translation>Meet over de flens van een spaakgat tot het gat ertegenover, telkens vanaf dezelfde rand: dat is de cirkel door de middelpunten van de gaten.</translation>
    </message>
    <message>
        <source>Spoke hole diameter:</source>
        <translation>Diameter van de spaakgaten:</translation>
    </message>
    <message>
        <source>Flange diameter ^1 mm filled in for ^2.</source>
        <translation>Flensdiameter ^1 mm ingevuld voor ^2.</translation>
    </message>
    <message>
        <source>These figures give no flange diameter: the measurement must be larger than the hole.</source>
        <translation>Deze waarden geven geen flensdiameter: de meting moet groter zijn dan het gat.</translation>
    </message>
    <message>
        <source>both sides</source>
        <translation>beide kanten</translation>
    </message>
    <message>
        <source>side 1</source>
        <translation>kant 1</translation>
    </message>
    <message>
        <source>side 2</source>
        <translation>kant 2</translation>
    </message>
</context>
<context>
    <name>strings 158</name>
    <message>
        <source>The tension of the higher-tension side is no number: type it in figures, such as 120. No stretch or length to buy comes from it.</source>
        <extracomment>The lacing note on the tension typed for the higher-tension side (as in string list 140&apos;s &quot;Tension of the higher-tension side&quot;). ^1 to ^2: the range&apos;s two numbers; ^3: the unit it was typed in, ^4 the other one (the unit popup&apos;s words, kgf or N).</extracomment>
        <translation>De spanning van de hoger gespannen kant is geen getal: typ haar in cijfers, bijvoorbeeld 120. Er volgt geen rek en geen te kopen lengte uit.</translation>
    </message>
    <message>
        <source>No spoke or rim takes a tension outside ^1 to ^2 ^3 on the higher-tension side: no stretch or length to buy comes from it.</source>
        <translation>Geen spaak of velg verdraagt aan de hoger gespannen kant een spanning buiten ^1 tot ^2 ^3: er volgt geen rek en geen te kopen lengte uit.</translation>
    </message>
    <message>
        <source>No spoke or rim takes a tension outside ^1 to ^2 ^3 on the higher-tension side; in ^4 it would be inside: is the unit right? No stretch or length to buy comes from it.</source>
        <translation>Geen spaak of velg verdraagt aan de hoger gespannen kant een spanning buiten ^1 tot ^2 ^3; in ^4 zou ze erbinnen liggen: klopt de eenheid? Er volgt geen rek en geen te kopen lengte uit.</translation>
    </message>
</context>
<context>
    <name>strings 159</name>
    <message>
        <source>The rim&apos;s diameter at the spoke ends (ERD) must be a number above 0: these lengths fit no wheel.</source>
        <extracomment>The lacing note on rim and hub figures no wheel has (the first four), and why the build sheet and the lacing diagram show no lacing (the last four). ^1 is a side&apos;s number (1 or 2), numbers in mm are written as the form writes them (&quot;300,00&quot;); in the fourth, ^1 is the offset and ^2 the side.</extracomment>
        <translation>De velgdiameter aan de spaakuiteinden (ERD) moet een getal boven 0 zijn: deze lengtes passen in geen enkel wiel.</translation>
    </message>
    <message>
        <source>Side ^1&apos;s flange, ^2 mm across, is as wide as the rim (ERD ^3 mm) or wider: these lengths fit no wheel.</source>
        <translation>De flens van kant ^1, ^2 mm in diameter, is even groot als de velg (ERD ^3 mm) of groter: deze lengtes passen in geen enkel wiel.</translation>
    </message>
    <message>
        <source>Side ^1&apos;s flange distance from the centre, ^2 mm, must be above 0: these lengths fit no wheel.</source>
        <translation>De flensafstand tot het midden van kant ^1, ^2 mm, moet boven 0 liggen: deze lengtes passen in geen enkel wiel.</translation>
    </message>
    <message>
        <source>The rim&apos;s spoke hole offset, ^1 mm, reaches side ^2&apos;s flange distance (^3 mm) or past it: that side&apos;s spokes would lie flat, so these lengths fit no wheel.</source>
        <translation>De offset van de spaakgaten van de velg, ^1 mm, reikt tot de flensafstand van kant ^2 (^3 mm) of verder: de spaken van die kant zouden plat liggen, dus deze lengtes passen in geen enkel wiel.</translation>
    </message>
    <message>
        <source>No lacing: side ^1&apos;s ^2 spokes cannot be crossed, as a crossed side needs an even number of spokes. Lace that side radial or choose another spoke count.</source>
        <translation>Geen inspaakpatroon: de ^2 spaken van kant ^1 kunnen niet gekruist worden, want een gekruiste kant vraagt een even aantal spaken. Spaak die kant radiaal in of kies een ander aantal spaken.</translation>
    </message>
    <message>
        <source>No lacing: side ^1&apos;s ^2 spokes take at most ^3 crossings; with ^4 a spoke would reach round the hub to its own radial hole.</source>
        <translation>Geen inspaakpatroon: de ^2 spaken van kant ^1 laten hoogstens ^3 kruisingen toe; met ^4 zou een spaak rond de naaf tot haar eigen radiale gat reiken.</translation>
    </message>
    <message>
        <source>No lacing: these spoke counts cannot be laced.</source>
        <translation>Geen inspaakpatroon: deze aantallen spaken zijn niet in te spaken.</translation>
    </message>
    <message>
        <source>No lacing: a spoke length has no result.</source>
        <translation>Geen inspaakpatroon: een spaaklengte heeft geen resultaat.</translation>
    </message>
</context>
<context>
    <name>strings 163</name>
    <message>
        <source>^1 %</source>
        <extracomment>A whole percentage, ^1 the number (&quot;58&quot;): write it as your language does, with or without a space, a no-break space where one is used.</extracomment>
        <translation>^1%</translation>
    </message>
</context>
</TS>
