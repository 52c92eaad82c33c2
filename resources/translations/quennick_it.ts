<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Quennick</source>
        <translation>Informazioni su Quennick</translation>
    </message>
    <message>
        <source>Quennick</source>
        <translation>Quennick</translation>
    </message>
    <message>
        <source>Works out the spoke length for each side of a bicycle wheel from the rim, the hub, the crossings and the number of spokes.</source>
        <translation>Calcola la lunghezza dei raggi per ciascun lato di una ruota di bicicletta a partire da cerchio, mozzo, incroci e numero di raggi.</translation>
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
        <translation>Scheda di montaggio</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Anteprima di stampa</translation>
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
        <translation>Numero di pagina</translation>
    </message>
</context>
<context>
    <name>ErdHelper</name>
    <message>
        <source>ERD from a measurement</source>
        <translation>ERD da una misura</translation>
    </message>
    <message>
        <source>Measured with</source>
        <translation>Misurato con</translation>
    </message>
    <message>
        <source>Two spokes with nipples across the rim</source>
        <translation>Due raggi con nippli da parte a parte del cerchio</translation>
    </message>
    <message>
        <source>A measuring tool: two rods of known length</source>
        <translation>Un attrezzo di misura: due aste di lunghezza nota</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation>Inserisci</translation>
    </message>
</context>
<context>
    <name>FlangeDiameterHelper</name>
    <message>
        <source>Flange diameter from a measurement</source>
        <translation>Diametro della flangia da una misura</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Misurato</translation>
    </message>
    <message>
        <source>Across the outer edges of two opposite holes</source>
        <translation>Tra i bordi esterni di due fori opposti</translation>
    </message>
    <message>
        <source>Hole to hole across, from the same edge of each</source>
        <translation>Da foro a foro, dallo stesso bordo di ciascuno</translation>
    </message>
    <message>
        <source>For:</source>
        <translation>Per:</translation>
    </message>
    <message>
        <source>Which flange</source>
        <translation>Quale flangia</translation>
    </message>
    <message>
        <source>Both sides</source>
        <translation>Entrambi i lati</translation>
    </message>
    <message>
        <source>Side 1</source>
        <translation>Lato 1</translation>
    </message>
    <message>
        <source>Side 2</source>
        <translation>Lato 2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation>Inserisci</translation>
    </message>
</context>
<context>
    <name>FlangeDistanceHelper</name>
    <message>
        <source>Flange distances from the maker&apos;s figures</source>
        <translation>Distanze delle flange dai dati del produttore</translation>
    </message>
    <message>
        <source>The maker gives</source>
        <translation>Il produttore indica</translation>
    </message>
    <message>
        <source>The distance between the flanges and their offset</source>
        <translation>La distanza tra le flange e il loro offset</translation>
    </message>
    <message>
        <source>The width over the locknuts and each flange&apos;s distance from its locknut</source>
        <translation>La larghezza tra i controdadi e la distanza di ogni flangia dal suo controdado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation>Inserisci</translation>
    </message>
</context>
<context>
    <name>LacingDiagram</name>
    <message>
        <source>side 2, trailing</source>
        <translation>lato 2, tiranti</translation>
    </message>
    <message>
        <source>side 2, leading</source>
        <translation>lato 2, spingenti</translation>
    </message>
    <message>
        <source>side 1, trailing</source>
        <translation>lato 1, tiranti</translation>
    </message>
    <message>
        <source>side 1, leading</source>
        <translation>lato 1, spingenti</translation>
    </message>
    <message>
        <source>valve</source>
        <translation>valvola</translation>
    </message>
    <message>
        <source>The rim alone: calculate a wheel to see its spokes.</source>
        <translation>Solo il cerchio: calcola una ruota per vederne i raggi.</translation>
    </message>
    <message>
        <source>Lacing diagram</source>
        <translation>Schema di raggiatura</translation>
    </message>
    <message>
        <source>key spoke</source>
        <extracomment>Label beside the key spoke on the lacing diagram: the first spoke laced, the one the others follow (&quot;key&quot; as in guide, not a tool). Keep it short.</extracomment>
        <translation>raggio guida</translation>
    </message>
    <message>
        <source>The wheel seen from side 2 with the valve hole at the top: %1 spokes, %2 on side 1 with %3 crossings (dashed, orange) and %4 on side 2 with %5 crossings (solid, blue); trailing spokes drawn with wider lines than leading ones; the key spoke, in rim hole 1 right of the valve hole, drawn black.</source>
        <extracomment>What the lacing diagram shows, for screen readers. &quot;Wider lines&quot;: the pen, not the spoke. The key spoke: the first spoke laced, the one the others follow.</extracomment>
        <translation>La ruota vista dal lato 2, con il foro valvola in alto: %1 raggi, %2 sul lato 1 con %3 incroci (tratteggiati, arancione) e %4 sul lato 2 con %5 incroci (continui, blu); i raggi tiranti tracciati con linee più larghe degli spingenti; il raggio guida, nel foro 1 del cerchio a destra del foro valvola, in nero.</translation>
    </message>
    <message>
        <source>The rim alone. %1</source>
        <translation>Solo il cerchio. %1</translation>
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
        <translation>Cerchio</translation>
    </message>
    <message>
        <source>Choose a rim…</source>
        <translation>Scegli un cerchio…</translation>
    </message>
    <message>
        <source>Choose a rim</source>
        <translation>Scegli un cerchio</translation>
    </message>
    <message>
        <source>Rim:</source>
        <translation>Cerchio:</translation>
    </message>
    <message>
        <source>Rim name</source>
        <translation>Nome del cerchio</translation>
    </message>
    <message>
        <source>Size:</source>
        <extracomment>The rim&apos;s size as its maker gives it (700C, 29&quot;, 622 x 19); the build sheet calls the same field &quot;Size&quot;: use one word for both.</extracomment>
        <translation>Misura:</translation>
    </message>
    <message>
        <source>Rim size</source>
        <translation>Misura del cerchio</translation>
    </message>
    <message>
        <source>Notes:</source>
        <extracomment>Free text from the catalogue about the rim or the hub; the build sheet calls the same field &quot;Notes&quot;: use one word for both.</extracomment>
        <translation>Note:</translation>
    </message>
    <message>
        <source>Rim notes</source>
        <translation>Note sul cerchio</translation>
    </message>
    <message>
        <source>Rim diameter at the spoke ends (ERD):</source>
        <translation>Diametro del cerchio alle estremità dei raggi (ERD):</translation>
    </message>
    <message>
        <source>Rim diameter at the spoke ends</source>
        <translation>Diametro del cerchio alle estremità dei raggi</translation>
    </message>
    <message>
        <source>Effective rim diameter: twice the distance from the hub axis to the spoke ends in the rim</source>
        <translation>Diametro effettivo del cerchio: il doppio della distanza dall’asse del mozzo alle estremità dei raggi nel cerchio</translation>
    </message>
    <message>
        <source>Spoke hole offset:</source>
        <translation>Offset dei fori dei raggi:</translation>
    </message>
    <message>
        <source>Spoke hole offset</source>
        <translation>Offset dei fori dei raggi</translation>
    </message>
    <message>
        <source>0,00</source>
        <translation>0,00</translation>
    </message>
    <message>
        <source>Hub</source>
        <translation>Mozzo</translation>
    </message>
    <message>
        <source>Choose a hub…</source>
        <translation>Scegli un mozzo…</translation>
    </message>
    <message>
        <source>Choose a hub</source>
        <translation>Scegli un mozzo</translation>
    </message>
    <message>
        <source>Hub:</source>
        <translation>Mozzo:</translation>
    </message>
    <message>
        <source>Hub name</source>
        <translation>Nome del mozzo</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posizione:</translation>
    </message>
    <message>
        <source>Hub position</source>
        <translation>Posizione del mozzo</translation>
    </message>
    <message>
        <source>Axle:</source>
        <translation>Asse:</translation>
    </message>
    <message>
        <source>Hub axle</source>
        <translation>Asse del mozzo</translation>
    </message>
    <message>
        <source>Hub notes</source>
        <translation>Note sul mozzo</translation>
    </message>
    <message>
        <source>Spoke hole diameter:</source>
        <translation>Diametro dei fori dei raggi:</translation>
    </message>
    <message>
        <source>Spoke hole diameter</source>
        <translation>Diametro dei fori dei raggi</translation>
    </message>
    <message>
        <source>Side 1</source>
        <translation>Lato 1</translation>
    </message>
    <message>
        <source>Side 2</source>
        <translation>Lato 2</translation>
    </message>
    <message>
        <source>Flange diameter:</source>
        <translation>Diametro della flangia:</translation>
    </message>
    <message>
        <source>Side 1 flange diameter</source>
        <translation>Diametro della flangia, lato 1</translation>
    </message>
    <message>
        <source>Side 2 flange diameter</source>
        <translation>Diametro della flangia, lato 2</translation>
    </message>
    <message>
        <source>Flange distance from the centre:</source>
        <translation>Distanza della flangia dal centro:</translation>
    </message>
    <message>
        <source>Side 1 flange distance from the centre</source>
        <translation>Distanza della flangia dal centro, lato 1</translation>
    </message>
    <message>
        <source>Side 2 flange distance from the centre</source>
        <translation>Distanza della flangia dal centro, lato 2</translation>
    </message>
    <message>
        <source>Crossings:</source>
        <translation>Incroci:</translation>
    </message>
    <message>
        <source>Side 1 crossings</source>
        <translation>Incroci, lato 1</translation>
    </message>
    <message>
        <source>0 (radial)</source>
        <translation>0 (radiale)</translation>
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
        <translation>Incroci, lato 2</translation>
    </message>
    <message>
        <source>Spokes in the wheel:</source>
        <translation>Raggi nella ruota:</translation>
    </message>
    <message>
        <source>Spokes in the wheel</source>
        <translation>Raggi nella ruota</translation>
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
        <translation>Raggi</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Lunghezza:</translation>
    </message>
    <message>
        <source>Side 1 spoke length</source>
        <translation>Lunghezza dei raggi, lato 1</translation>
    </message>
    <message>
        <source>Side 2 spoke length</source>
        <translation>Lunghezza dei raggi, lato 2</translation>
    </message>
    <message>
        <source>Tension:</source>
        <translation>Tensione:</translation>
    </message>
    <message>
        <source>Side 1 spoke tension</source>
        <translation>Tensione dei raggi, lato 1</translation>
    </message>
    <message>
        <source>Side 2 spoke tension</source>
        <translation>Tensione dei raggi, lato 2</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Clear the form</source>
        <translation>Azzera il modulo</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Calculate the spoke lengths</source>
        <translation>Calcola le lunghezze dei raggi</translation>
    </message>
    <message>
        <source>Spoke head:</source>
        <translation>Testa del raggio:</translation>
    </message>
    <message>
        <source>Spoke head</source>
        <translation>Testa del raggio</translation>
    </message>
    <message>
        <source>J-bend</source>
        <extracomment>A spoke head, under the label &quot;Spoke head:&quot;: the spoke is bent just below its head, like a J, and hooks through a hole in the flange.</extracomment>
        <translation>A gomito</translation>
    </message>
    <message>
        <source>Straight-pull</source>
        <extracomment>A spoke head, under the label &quot;Spoke head:&quot;: the spoke runs straight out of its head, with no bend (as against J-bend). Agree it with the word for &quot;head&quot;.</extracomment>
        <translation>Testa dritta</translation>
    </message>
    <message>
        <source>Flanges</source>
        <translation>Flange</translation>
    </message>
    <message>
        <source>Lacing</source>
        <translation>Raggiatura</translation>
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
        <translation>Raggi per lato:</translation>
    </message>
    <message>
        <source>Spokes per side</source>
        <translation>Raggi per lato</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Uguale</translation>
    </message>
    <message>
        <source>2:1, more on side 2</source>
        <translation>2:1, più sul lato 2</translation>
    </message>
    <message>
        <source>2:1, more on side 1</source>
        <translation>2:1, più sul lato 1</translation>
    </message>
    <message>
        <source>Bracing angle:</source>
        <extracomment>The angle between a side&apos;s spokes and the wheel&apos;s centre plane, seen from the front of the wheel.</extracomment>
        <translation>Angolo dei raggi:</translation>
    </message>
    <message>
        <source>Side 1 bracing angle</source>
        <translation>Angolo dei raggi, lato 1</translation>
    </message>
    <message>
        <source>The angle of this side&apos;s spokes to the wheel&apos;s plane: the larger, the stiffer the wheel sideways</source>
        <translation>L’angolo dei raggi di questo lato rispetto al piano della ruota: più è grande, più la ruota è rigida lateralmente</translation>
    </message>
    <message>
        <source>Side 2 bracing angle</source>
        <translation>Angolo dei raggi, lato 2</translation>
    </message>
    <message>
        <source>Lacing note</source>
        <translation>Nota sulla raggiatura</translation>
    </message>
    <message>
        <source>Spoke gauge:</source>
        <extracomment>The thickness (diameter) of the spoke wire, in mm; not a measuring tool.</extracomment>
        <translation>Sezione dei raggi:</translation>
    </message>
    <message>
        <source>Side 1 spoke gauge</source>
        <translation>Sezione dei raggi, lato 1</translation>
    </message>
    <message>
        <source>Stainless spoke of this side: plain, or butted (diameters at the head, the middle and the thread, in mm)</source>
        <translation>Raggio inox di questo lato: a sezione costante o sfinato (diametri alla testa, al centro e alla filettatura, in mm)</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Non indicato</translation>
    </message>
    <message>
        <source>Plain 2,0 mm</source>
        <extracomment>A plain spoke: the same diameter from head to thread, as against a butted one. Not &quot;simple&quot; or &quot;smooth&quot;.</extracomment>
        <translation>Costante 2,0 mm</translation>
    </message>
    <message>
        <source>Plain 1,8 mm</source>
        <translation>Costante 1,8 mm</translation>
    </message>
    <message>
        <source>Plain 2,3 mm</source>
        <translation>Costante 2,3 mm</translation>
    </message>
    <message>
        <source>Butted 2,0/1,8/2,0</source>
        <extracomment>A butted spoke: thicker at both ends than in the middle (diameters at the head, the middle and the thread). Every spoke is drawn wire, so not &quot;drawn&quot;; not &quot;tapered&quot; either.</extracomment>
        <translation>Sfinato 2,0/1,8/2,0</translation>
    </message>
    <message>
        <source>Butted 2,0/1,5/2,0</source>
        <translation>Sfinato 2,0/1,5/2,0</translation>
    </message>
    <message>
        <source>Side 2 spoke gauge</source>
        <translation>Sezione dei raggi, lato 2</translation>
    </message>
    <message>
        <source>Tension unit</source>
        <translation>Unità di tensione</translation>
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
        <translation>Lunghezze in commercio:</translation>
    </message>
    <message>
        <source>Stock lengths</source>
        <translation>Lunghezze in commercio</translation>
    </message>
    <message>
        <source>Every 2 mm (even)</source>
        <translation>Ogni 2 mm (pari)</translation>
    </message>
    <message>
        <source>Every 1 mm</source>
        <translation>Ogni millimetro</translation>
    </message>
    <message>
        <source>Stretch:</source>
        <translation>Allungamento:</translation>
    </message>
    <message>
        <source>Side 1 stretch</source>
        <translation>Allungamento, lato 1</translation>
    </message>
    <message>
        <source>How much this side&apos;s spokes stretch at their tension, in mm</source>
        <translation>Quanto si allungano i raggi di questo lato alla loro tensione, in mm</translation>
    </message>
    <message>
        <source>Side 2 stretch</source>
        <translation>Allungamento, lato 2</translation>
    </message>
    <message>
        <source>Length to buy:</source>
        <translation>Lunghezza da acquistare:</translation>
    </message>
    <message>
        <source>Side 1 length to buy</source>
        <translation>Lunghezza da acquistare, lato 1</translation>
    </message>
    <message>
        <source>The stock length nearest the spoke&apos;s unstretched length (without a gauge and a tension: nearest the length above), and how far it is from it</source>
        <translation>La lunghezza in commercio più vicina alla lunghezza del raggio a riposo (senza sezione né tensione: alla lunghezza qui sopra), e di quanto se ne discosta</translation>
    </message>
    <message>
        <source>Side 2 length to buy</source>
        <translation>Lunghezza da acquistare, lato 2</translation>
    </message>
    <message>
        <source>Tension of the higher-tension side:</source>
        <extracomment>The side whose spokes carry more tension (the one shown at 100 %; side 2, the drive side, on most rear wheels). &quot;Higher-tension&quot;, not &quot;tight&quot; as in a close fit.</extracomment>
        <translation>Tensione del lato più teso:</translation>
    </message>
    <message>
        <source>Tension of the higher-tension side</source>
        <translation>Tensione del lato più teso</translation>
    </message>
    <message>
        <source>The tension to build the higher-tension side to; the other side gets its share. Empty for none</source>
        <translation>La tensione a cui portare il lato più teso; l’altro lato riceve la sua parte. Vuoto per nessuna</translation>
    </message>
    <message>
        <source>The lengths spokes are sold in: the length to buy is the nearest of them, and a length exactly halfway between two is bought as the longer</source>
        <extracomment>A length exactly halfway between two stock lengths (289 mm between 288 and 290) is bought as the longer one.</extracomment>
        <translation>Le lunghezze in cui si vendono i raggi: si acquista la più vicina; una lunghezza esattamente a metà tra due si acquista come la più lunga</translation>
    </message>
    <message>
        <source>Spoke tension of this side as a share of the higher-tension side&apos;s: the two sides pull the rim sideways in balance</source>
        <translation>Tensione dei raggi di questo lato come quota di quella del lato più teso: i due lati tirano il cerchio lateralmente in equilibrio</translation>
    </message>
    <message>
        <source>Asymmetric rims: how far the spoke holes sit off the rim&apos;s centre, in mm, as the rim maker gives it. Choose below toward which side they sit.</source>
        <translation>Cerchi asimmetrici: di quanto i fori dei raggi sono spostati dal centro del cerchio, in mm, come lo indica il produttore del cerchio. Scegli qui sotto verso quale lato sono spostati.</translation>
    </message>
    <message>
        <source>Spoke holes offset toward:</source>
        <translation>Fori dei raggi spostati verso:</translation>
    </message>
    <message>
        <source>Spoke holes offset toward</source>
        <translation>Fori dei raggi spostati verso</translation>
    </message>
    <message>
        <source>The side of the wheel the rim&apos;s spoke holes sit toward: that side&apos;s flange distance shrinks by the offset and the other side&apos;s grows by it. On a dished rear wheel, side 1 (away from the sprockets) evens the tensions.</source>
        <translation>Il lato della ruota verso cui sono spostati i fori dei raggi del cerchio: la distanza della flangia di quel lato cala dell’offset e quella dell’altro lato cresce altrettanto. Su una ruota posteriore campanata, il lato 1 (opposto ai pignoni) equilibra le tensioni.</translation>
    </message>
    <message>
        <source>Straight-pull spokes leave:</source>
        <translation>Uscita dei raggi a testa dritta:</translation>
    </message>
    <message>
        <source>Straight-pull spokes leave</source>
        <translation>Uscita dei raggi a testa dritta</translation>
    </message>
    <message>
        <source>How the hub&apos;s seats send a straight-pull spoke off: aimed at its rim hole from a seat on the head seat circle (moved by the seat offset), or along the tangent of that circle, so that the hub, not the crossings, decides the length</source>
        <translation>Come le sedi del mozzo fanno uscire un raggio a testa dritta: puntato verso il suo foro del cerchio da una sede sulla circonferenza primitiva delle teste (spostata dell’offset della sede), oppure lungo la tangente di quella circonferenza, così che sia il mozzo, non gli incroci, a decidere la lunghezza</translation>
    </message>
    <message>
        <source>Toward the rim hole</source>
        <translation>Verso il foro del cerchio</translation>
    </message>
    <message>
        <source>Along the tangent</source>
        <translation>Lungo la tangente</translation>
    </message>
    <message>
        <source>Seat offset:</source>
        <translation>Offset della sede:</translation>
    </message>
    <message>
        <source>Seat offset</source>
        <translation>Offset della sede</translation>
    </message>
    <message>
        <source>Straight-pull hubs whose seat sits off the radial line: how far, in mm, measured along the flange toward the spoke&apos;s rim hole. Empty or 0 for a seat on the radial line</source>
        <translation>Mozzi a testa dritta con la sede fuori dalla linea radiale: di quanto, in mm, misurato lungo la flangia verso il foro del cerchio del raggio. Vuoto o 0 per una sede sulla linea radiale</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Work out the ERD from a measurement</source>
        <translation>Ricava l’ERD da una misura</translation>
    </message>
    <message>
        <source>Work out the ERD from a measurement across the rim</source>
        <translation>Ricava l’ERD da una misura da parte a parte del cerchio</translation>
    </message>
    <message>
        <source>Nipple washers, each:</source>
        <translation>Rondella per nipplo:</translation>
    </message>
    <message>
        <source>Nipple washer thickness</source>
        <translation>Spessore della rondella per nipplo</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>The thickness of the washer under each nipple, in mm; empty for none. Each nipple sits a washer further out, so the lengths are worked from the ERD plus twice the washer.</source>
        <translation>Lo spessore della rondella sotto ogni nipplo, in mm; vuoto per nessuna. Ogni nipplo sta più in fuori di una rondella, quindi le lunghezze si calcolano dall’ERD più due volte la rondella.</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Fonte:</translation>
    </message>
    <message>
        <source>Rim source</source>
        <translation>Fonte del cerchio</translation>
    </message>
    <message>
        <source>Where the chosen rim&apos;s figures come from, as its catalogue says</source>
        <translation>Da dove vengono i dati del cerchio scelto, come indica il suo catalogo</translation>
    </message>
    <message>
        <source>Hub source</source>
        <translation>Fonte del mozzo</translation>
    </message>
    <message>
        <source>Where the chosen hub&apos;s figures come from, as its catalogue says</source>
        <translation>Da dove vengono i dati del mozzo scelto, come indica il suo catalogo</translation>
    </message>
    <message>
        <source>Work out the flange diameter from a measurement</source>
        <translation>Ricava il diametro della flangia da una misura</translation>
    </message>
    <message>
        <source>Work out the flange diameter from a measurement across the flange</source>
        <translation>Ricava il diametro della flangia da una misura da parte a parte della flangia</translation>
    </message>
    <message>
        <source>Work out the flange distances from the maker&apos;s figures</source>
        <translation>Ricava le distanze delle flange dai dati del produttore</translation>
    </message>
    <message>
        <source>Work out each flange&apos;s distance from the centre from the distance between the flanges, or from the width over the locknuts</source>
        <translation>Ricava la distanza di ogni flangia dal centro dalla distanza tra le flange, o dalla larghezza tra i controdadi</translation>
    </message>
    <message>
        <source>ERD ±1 mm:</source>
        <translation>ERD ±1 mm:</translation>
    </message>
    <message>
        <source>Side 1 length to buy with the ERD 1 mm either way</source>
        <translation>Lunghezza da acquistare, lato 1, con l’ERD di 1 mm in più o in meno</translation>
    </message>
    <message>
        <source>The stock lengths to buy if the ERD were 1 mm shorter and 1 mm longer: one length means a millimetre&apos;s doubt about the rim does not matter</source>
        <translation>Le lunghezze in commercio da acquistare se l’ERD fosse 1 mm più corto e 1 mm più lungo: una sola lunghezza vuol dire che un millimetro di dubbio sul cerchio non conta</translation>
    </message>
    <message>
        <source>Side 2 length to buy with the ERD 1 mm either way</source>
        <translation>Lunghezza da acquistare, lato 2, con l’ERD di 1 mm in più o in meno</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Montaggio</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Build name</source>
        <translation>Nome del montaggio</translation>
    </message>
    <message>
        <source>Build notes</source>
        <translation>Note sul montaggio</translation>
    </message>
</context>
<context>
    <name>Navigation</name>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>list</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Type to narrow the list</source>
        <translation>Digita per restringere l’elenco</translation>
    </message>
    <message>
        <source>Showing “%1”: %2</source>
        <translation>Filtro «%1»: %2</translation>
    </message>
    <message>
        <source>%1 entries; type to narrow the list</source>
        <translation>%1 voci; digita per restringere l’elenco</translation>
    </message>
    <message>
        <source>Showing “%1”, %2 entries</source>
        <translation>Filtro «%1», %2 voci</translation>
    </message>
    <message>
        <source>Close the list</source>
        <translation>Chiudi l’elenco</translation>
    </message>
    <message>
        <source>Close the list without choosing (Escape)</source>
        <translation>Chiudi l’elenco senza scegliere (Esc)</translation>
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
        <translation>Informazioni su Quennick</translation>
    </message>
</context>
<context>
    <name>menu 129</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Lacing diagram…</source>
        <translation>Schema di raggiatura…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Stampa…</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Apri…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salva con nome…</translation>
    </message>
</context>
<context>
    <name>menu 130</name>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Copy build sheet</source>
        <translation>Copia la scheda di montaggio</translation>
    </message>
</context>
<context>
    <name>menu 131</name>
    <message>
        <source>Wheel</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Spoke tensions…</source>
        <translation>Tensione dei raggi…</translation>
    </message>
</context>
<context>
    <name>strings 128</name>
    <message>
        <source>no result</source>
        <translation>nessun risultato</translation>
    </message>
</context>
<context>
    <name>strings 129</name>
    <message>
        <source>Side ^1: ^2 crossings on its ^3 spokes reach ^4° round the wheel, past a quarter turn, so the spokes would run across their own flange. Lace it with fewer crossings.</source>
        <translation>Lato ^1: ^2 incroci sui suoi ^3 raggi arrivano a ^4° intorno alla ruota, oltre un quarto di giro, e i raggi passerebbero sopra la loro flangia. Raggialo con meno incroci.</translation>
    </message>
    <message>
        <source>Both sides: ^1 and ^2 crossings on ^3 and ^4 spokes reach past a quarter turn round the wheel, so the spokes would run across their own flanges. Lace them with fewer crossings.</source>
        <translation>Entrambi i lati: ^1 e ^2 incroci su ^3 e ^4 raggi vanno oltre un quarto di giro intorno alla ruota, e i raggi passerebbero sopra le loro flange. Raggiali con meno incroci.</translation>
    </message>
    <message>
        <source>Side ^1 at ^2 % of the other side&apos;s tension may go slack under load: lace 2:1, use a rim whose spoke holes are offset toward side ^1, or give side ^1 thinner spokes, which stretch more and keep their tension.</source>
        <extracomment>^2 is a whole number: write the percentage as your language does (58 %, 58%). &quot;Thinner spokes&quot;: a thinner spoke stretches more at a given tension, so it keeps some tension when the load takes a little away.</extracomment>
        <translation>Il lato ^1, al ^2% della tensione dell’altro lato, può allentarsi sotto carico: raggia 2:1, usa un cerchio con i fori spostati verso il lato ^1 o dai al lato ^1 raggi più sottili, che si allungano di più e mantengono la tensione.</translation>
    </message>
    <message>
        <source>Side ^1: ^2 crossings take its spokes ^3° round the wheel, at or past the ^4° at which they would leave the flange along its tangent, so they would point back over their own flange. Lace it with fewer crossings.</source>
        <translation>Lato ^1: con ^2 incroci i suoi raggi arrivano a ^3° intorno alla ruota, pari o oltre i ^4° a cui lascerebbero la flangia lungo la tangente, e punterebbero indietro sopra la loro flangia. Raggialo con meno incroci.</translation>
    </message>
    <message>
        <source>Both sides: ^1 and ^2 crossings on ^3 and ^4 spokes take the spokes at or past the tangent of their flanges, so they would point back over their own flanges. Lace them with fewer crossings.</source>
        <translation>Entrambi i lati: con ^1 e ^2 incroci su ^3 e ^4 raggi, i raggi arrivano alla tangente delle loro flange o oltre, e punterebbero indietro sopra le loro flange. Raggiali con meno incroci.</translation>
    </message>
    <message>
        <source>Side ^1: ^2 crossings on its ^3 spokes run ^4 mm from the centre of the next hub hole, over the head of the spoke in it. Lace it with fewer crossings.</source>
        <translation>Lato ^1: con ^2 incroci sui suoi ^3 raggi, i raggi passano a ^4 mm dal centro del foro del mozzo accanto, sopra la testa del raggio che vi è infilato. Raggialo con meno incroci.</translation>
    </message>
    <message>
        <source>^1 spokes on equal sides cannot be laced evenly with crossings: ^2 spokes a side cannot alternate leading and trailing. Lace them radial, or 2:1.</source>
        <translation>^1 raggi su lati uguali non si possono raggiare in modo regolare con incroci: ^2 raggi per lato non possono alternare tiranti e spingenti. Raggiali radiali, o 2:1.</translation>
    </message>
    <message>
        <source>Side ^1: its seats send the spokes off along the tangent, ^2° round the wheel: ^3 crossings on its ^4 spokes. Lace it with the nearest whole number; the length does not depend on the crossings chosen.</source>
        <translation>Lato ^1: le sue sedi fanno uscire i raggi lungo la tangente, a ^2° intorno alla ruota: ^3 incroci sui suoi ^4 raggi. Raggialo con il numero intero più vicino; la lunghezza non dipende dagli incroci scelti.</translation>
    </message>
</context>
<context>
    <name>strings 130</name>
    <message>
        <source>Flange diameter:</source>
        <translation>Diametro della flangia:</translation>
    </message>
    <message>
        <source>Flange distance from the centre:</source>
        <translation>Distanza della flangia dal centro:</translation>
    </message>
    <message>
        <source>Head seat circle diameter (PCD):</source>
        <translation>Diametro primitivo delle teste (PCD):</translation>
    </message>
    <message>
        <source>Head seat distance from the centre:</source>
        <translation>Distanza delle teste dal centro:</translation>
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
        <translation>Diametro della flangia, lato 1</translation>
    </message>
    <message>
        <source>Side 2 flange diameter</source>
        <translation>Diametro della flangia, lato 2</translation>
    </message>
    <message>
        <source>Side 1 flange distance from the centre</source>
        <translation>Distanza della flangia dal centro, lato 1</translation>
    </message>
    <message>
        <source>Side 2 flange distance from the centre</source>
        <translation>Distanza della flangia dal centro, lato 2</translation>
    </message>
    <message>
        <source>Side 1 head seat circle diameter</source>
        <translation>Diametro primitivo delle teste, lato 1</translation>
    </message>
    <message>
        <source>Side 2 head seat circle diameter</source>
        <translation>Diametro primitivo delle teste, lato 2</translation>
    </message>
    <message>
        <source>Side 1 head seat distance from the centre</source>
        <translation>Distanza delle teste dal centro, lato 1</translation>
    </message>
    <message>
        <source>Side 2 head seat distance from the centre</source>
        <translation>Distanza delle teste dal centro, lato 2</translation>
    </message>
</context>
<context>
    <name>strings 140</name>
    <message>
        <source>Quennick build sheet</source>
        <translation>Scheda di montaggio Quennick</translation>
    </message>
    <message>
        <source>Rim</source>
        <translation>Cerchio</translation>
    </message>
    <message>
        <source>Hub</source>
        <translation>Mozzo</translation>
    </message>
    <message>
        <source>Lacing</source>
        <translation>Raggiatura</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>The same field as the form&apos;s &quot;Size:&quot;: use the same word.</extracomment>
        <translation>Misura</translation>
    </message>
    <message>
        <source>Notes</source>
        <extracomment>The same field as the form&apos;s &quot;Notes:&quot;: use the same word.</extracomment>
        <translation>Note</translation>
    </message>
    <message>
        <source>Diameter at the spoke ends (ERD)</source>
        <translation>Diametro alle estremità dei raggi (ERD)</translation>
    </message>
    <message>
        <source>Spoke hole offset</source>
        <translation>Offset dei fori dei raggi</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Axle</source>
        <translation>Asse</translation>
    </message>
    <message>
        <source>Flange diameter, side 1</source>
        <translation>Diametro della flangia, lato 1</translation>
    </message>
    <message>
        <source>Flange diameter, side 2</source>
        <translation>Diametro della flangia, lato 2</translation>
    </message>
    <message>
        <source>Flange distance, side 1</source>
        <translation>Distanza della flangia, lato 1</translation>
    </message>
    <message>
        <source>Flange distance, side 2</source>
        <translation>Distanza della flangia, lato 2</translation>
    </message>
    <message>
        <source>Spoke hole diameter</source>
        <translation>Diametro dei fori dei raggi</translation>
    </message>
    <message>
        <source>Crossings, side 1</source>
        <translation>Incroci, lato 1</translation>
    </message>
    <message>
        <source>Crossings, side 2</source>
        <translation>Incroci, lato 2</translation>
    </message>
    <message>
        <source>Spokes</source>
        <translation>Raggi</translation>
    </message>
    <message>
        <source>Spoke length, side 1</source>
        <translation>Lunghezza dei raggi, lato 1</translation>
    </message>
    <message>
        <source>Spoke length, side 2</source>
        <translation>Lunghezza dei raggi, lato 2</translation>
    </message>
    <message>
        <source>Tension, side 1</source>
        <translation>Tensione, lato 1</translation>
    </message>
    <message>
        <source>Tension, side 2</source>
        <translation>Tensione, lato 2</translation>
    </message>
    <message>
        <source>Lacing steps</source>
        <translation>Passi della raggiatura</translation>
    </message>
    <message>
        <source>Lacing table</source>
        <translation>Tabella di raggiatura</translation>
    </message>
    <message>
        <source>Rim hole</source>
        <translation>Foro del cerchio</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Lato</translation>
    </message>
    <message>
        <source>Hub hole</source>
        <translation>Foro del mozzo</translation>
    </message>
    <message>
        <source>Spoke</source>
        <translation>Raggio</translation>
    </message>
    <message>
        <source>leading</source>
        <translation>spingente</translation>
    </message>
    <message>
        <source>trailing</source>
        <translation>tirante</translation>
    </message>
    <message>
        <source>radial</source>
        <translation>radiale</translation>
    </message>
    <message>
        <source>^1→^2</source>
        <translation>^1→^2</translation>
    </message>
    <message>
        <source>Spokes per side</source>
        <translation>Raggi per lato</translation>
    </message>
    <message>
        <source>Spoke head</source>
        <translation>Testa del raggio</translation>
    </message>
    <message>
        <source>Lacing note</source>
        <translation>Nota sulla raggiatura</translation>
    </message>
    <message>
        <source>Bracing angle, side 1</source>
        <translation>Angolo dei raggi, lato 1</translation>
    </message>
    <message>
        <source>Bracing angle, side 2</source>
        <translation>Angolo dei raggi, lato 2</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>uguale</translation>
    </message>
    <message>
        <source>2:1, more on side 2</source>
        <translation>2:1, più sul lato 2</translation>
    </message>
    <message>
        <source>2:1, more on side 1</source>
        <translation>2:1, più sul lato 1</translation>
    </message>
    <message>
        <source>J-bend</source>
        <translation>A gomito</translation>
    </message>
    <message>
        <source>straight-pull</source>
        <translation>testa dritta</translation>
    </message>
    <message>
        <source>Head seat circle diameter, side 1</source>
        <translation>Diametro primitivo delle teste, lato 1</translation>
    </message>
    <message>
        <source>Head seat circle diameter, side 2</source>
        <translation>Diametro primitivo delle teste, lato 2</translation>
    </message>
    <message>
        <source>Head seat distance, side 1</source>
        <translation>Distanza delle teste, lato 1</translation>
    </message>
    <message>
        <source>Head seat distance, side 2</source>
        <translation>Distanza delle teste, lato 2</translation>
    </message>
    <message>
        <source>Spoke gauge, side 1</source>
        <translation>Sezione dei raggi, lato 1</translation>
    </message>
    <message>
        <source>Spoke gauge, side 2</source>
        <translation>Sezione dei raggi, lato 2</translation>
    </message>
    <message>
        <source>Tension unit</source>
        <translation>Unità di tensione</translation>
    </message>
    <message>
        <source>Stock lengths</source>
        <translation>Lunghezze in commercio</translation>
    </message>
    <message>
        <source>Stretch, side 1</source>
        <translation>Allungamento, lato 1</translation>
    </message>
    <message>
        <source>Stretch, side 2</source>
        <translation>Allungamento, lato 2</translation>
    </message>
    <message>
        <source>Length to buy, side 1</source>
        <translation>Lunghezza da acquistare, lato 1</translation>
    </message>
    <message>
        <source>Length to buy, side 2</source>
        <translation>Lunghezza da acquistare, lato 2</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>non indicato</translation>
    </message>
    <message>
        <source>plain 2,0 mm</source>
        <extracomment>A plain spoke: one diameter from head to thread, as against a butted one (thicker at the ends than in the middle).</extracomment>
        <translation>costante 2,0 mm</translation>
    </message>
    <message>
        <source>plain 1,8 mm</source>
        <translation>costante 1,8 mm</translation>
    </message>
    <message>
        <source>plain 2,3 mm</source>
        <translation>costante 2,3 mm</translation>
    </message>
    <message>
        <source>butted 2,0/1,8/2,0</source>
        <translation>sfinato 2,0/1,8/2,0</translation>
    </message>
    <message>
        <source>butted 2,0/1,5/2,0</source>
        <translation>sfinato 2,0/1,5/2,0</translation>
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
        <translation>ogni 2 mm (pari)</translation>
    </message>
    <message>
        <source>every 1 mm</source>
        <translation>ogni millimetro</translation>
    </message>
    <message>
        <source>Tension of the higher-tension side</source>
        <extracomment>The tension typed for the side whose spokes carry more tension (the one at 100 %); &quot;higher-tension&quot;, not &quot;tight&quot; as in a close fit.</extracomment>
        <translation>Tensione del lato più teso</translation>
    </message>
</context>
<context>
    <name>strings 141</name>
    <message>
        <source>^1. The key spoke, side ^2, head out: from hub hole ^3 of side ^2&apos;s flange into rim hole 1. It trails: from the hub it runs counterclockwise, seen from side 2, to the rim.</source>
        <extracomment>The key spoke: the first spoke laced, into the rim hole right of the valve hole; the others are laced from it. &quot;Key&quot; as in &quot;the one the rest follow&quot;, not a tool.</extracomment>
        <translation>^1. Il raggio guida, lato ^2, testa all’esterno: dal foro ^3 della flangia del lato ^2 al foro 1 del cerchio. È un tirante: dal mozzo va in senso antiorario, visto dal lato 2, fino al cerchio.</translation>
    </message>
    <message>
        <source>^1. The rest of side ^2&apos;s trailing spokes, heads out, from every second hub hole (hub hole→rim hole): ^3.</source>
        <translation>^1. Gli altri raggi tiranti del lato ^2, teste all’esterno, da un foro del mozzo ogni due (foro del mozzo→foro del cerchio): ^3.</translation>
    </message>
    <message>
        <source>^1. Side ^2&apos;s trailing spokes, heads out, counterclockwise from the hub like side ^3&apos;s (hub hole→rim hole): ^4. The last one ends left of the valve hole, beside the key spoke.</source>
        <translation>^1. I raggi tiranti del lato ^2, teste all’esterno, in senso antiorario dal mozzo come quelli del lato ^3 (foro del mozzo→foro del cerchio): ^4. L’ultimo finisce a sinistra del foro valvola, accanto al raggio guida.</translation>
    </message>
    <message>
        <source>^1. Side ^2&apos;s leading spokes, heads in, from the hub holes left between (hub hole→rim hole): ^3.</source>
        <translation>^1. I raggi spingenti del lato ^2, teste all’interno, dai fori del mozzo rimasti liberi in mezzo (foro del mozzo→foro del cerchio): ^3.</translation>
    </message>
    <message>
        <source>^1. The rest of side ^2&apos;s radial spokes, heads in (on the flange&apos;s inner face), each straight out from its hub hole (hub hole→rim hole): ^3.</source>
        <translation>^1. Gli altri raggi radiali del lato ^2, teste all’interno (sulla faccia interna della flangia), ognuno dritto verso l’esterno dal suo foro del mozzo (foro del mozzo→foro del cerchio): ^3.</translation>
    </message>
    <message>
        <source>^1. Side ^2&apos;s radial spokes, heads in (on the flange&apos;s inner face), each straight out from its hub hole (hub hole→rim hole): ^3.</source>
        <translation>^1. I raggi radiali del lato ^2, teste all’interno (sulla faccia interna della flangia), ognuno dritto verso l’esterno dal suo foro del mozzo (foro del mozzo→foro del cerchio): ^3.</translation>
    </message>
    <message>
        <source>^1. Look at the wheel from side 2 (the drive side) with the valve hole at the top. Rim holes are counted clockwise from the valve hole: rim hole 1 is the first to its right.</source>
        <translation>^1. Guarda la ruota dal lato 2 (lato trasmissione) con il foro valvola in alto. I fori del cerchio si contano in senso orario dal foro valvola: il foro 1 del cerchio è il primo alla sua destra.</translation>
    </message>
    <message>
        <source>The two sides&apos; spokes take the rim holes in turn. On a rim whose holes sit alternately left and right, rim hole 1 must sit toward side ^1 (turn the rim over if not).</source>
        <translation>I raggi dei due lati occupano a turno i fori del cerchio. Su un cerchio con i fori alternati a sinistra e a destra, il foro 1 del cerchio deve stare verso il lato ^1 (altrimenti gira il cerchio).</translation>
    </message>
    <message>
        <source>Every spoke then reaches a hole offset toward its own flange.</source>
        <translation>Così ogni raggio arriva a un foro spostato verso la propria flangia.</translation>
    </message>
    <message>
        <source>Rim holes 1 and 2 take side ^1&apos;s spokes, rim hole 3 side ^2&apos;s, and so on in threes round the rim: the valve hole lies between one hole of side ^2 and two of side ^1.</source>
        <translation>I fori 1 e 2 del cerchio ricevono i raggi del lato ^1, il foro 3 quelli del lato ^2, e così via a gruppi di tre lungo il cerchio: il foro valvola sta tra un foro del lato ^2 e due del lato ^1.</translation>
    </message>
    <message>
        <source>A rim drilled for 2:1 has its pairs of holes offset toward side ^1.</source>
        <translation>Un cerchio forato per il 2:1 ha le coppie di fori spostate verso il lato ^1.</translation>
    </message>
    <message>
        <source>On a rim whose holes sit alternately left and right, half of the spokes would reach a hole offset toward the other flange, however the rim is turned.</source>
        <translation>Su un cerchio con i fori alternati a sinistra e a destra, metà dei raggi arriverebbe a un foro spostato verso l’altra flangia, comunque si giri il cerchio.</translation>
    </message>
    <message>
        <source>^1. Hub holes are counted on each flange clockwise as the wheel is seen from side 2: on side 1&apos;s flange, looked at from side 1, that is counterclockwise.</source>
        <translation>^1. I fori del mozzo si contano su ogni flangia in senso orario, con la ruota vista dal lato 2: sulla flangia del lato 1, guardata dal lato 1, è il senso antiorario.</translation>
    </message>
    <message>
        <source>Any hole of side ^1&apos;s flange may be its hub hole ^2, the key spoke&apos;s.</source>
        <translation>Un foro qualsiasi della flangia del lato ^1 può fare da foro ^2, quello del raggio guida.</translation>
    </message>
    <message>
        <source>Trailing spokes go heads out (the head on the flange&apos;s outer face), leading spokes heads in (on its inner face): heads in and out alternate round each flange.</source>
        <translation>I raggi tiranti vanno con la testa all’esterno (sulla faccia esterna della flangia), gli spingenti con la testa all’interno (sulla faccia interna): teste all’interno e all’esterno si alternano lungo ogni flangia.</translation>
    </message>
    <message>
        <source>On a straight-pull hub its seats decide.</source>
        <translation>Su un mozzo a testa dritta decidono le sue sedi.</translation>
    </message>
    <message>
        <source>^1. On side ^2&apos;s flange, hub hole ^3 is the hole half a hole spacing clockwise, seen from side 2, from the key spoke&apos;s hole on side ^4&apos;s flange; count side ^2&apos;s other holes from it.</source>
        <extracomment>The two flanges&apos; holes are staggered: each hole sits half the spacing between two holes round from the nearest hole of the other flange.</extracomment>
        <translation>^1. Sulla flangia del lato ^2, il foro ^3 del mozzo è quello a mezzo passo in senso orario, visto dal lato 2, dal foro del raggio guida sulla flangia del lato ^4; conta da lì gli altri fori del lato ^2.</translation>
    </message>
    <message>
        <source>^1. On side ^2&apos;s flange, hub hole ^3 is the hole half a hole spacing counterclockwise, seen from side 2, from the key spoke&apos;s hole on side ^4&apos;s flange; count side ^2&apos;s other holes from it.</source>
        <translation>^1. Sulla flangia del lato ^2, il foro ^3 del mozzo è quello a mezzo passo in senso antiorario, visto dal lato 2, dal foro del raggio guida sulla flangia del lato ^4; conta da lì gli altri fori del lato ^2.</translation>
    </message>
    <message>
        <source>^1. The key spoke, side ^2, head in (on the flange&apos;s inner face): from hub hole ^3 of side ^2&apos;s flange straight out into rim hole 1.</source>
        <translation>^1. Il raggio guida, lato ^2, testa all’interno (sulla faccia interna della flangia): dal foro ^3 della flangia del lato ^2 dritto al foro 1 del cerchio.</translation>
    </message>
    <message>
        <source>Each runs clockwise from the hub, seen from side 2, and crosses ^1 of its own side&apos;s spokes: over the first ones and under the last, next to the rim.</source>
        <translation>Ognuno va in senso orario dal mozzo, visto dal lato 2, e incrocia ^1 raggi del proprio lato: sopra i primi e sotto l’ultimo, vicino al cerchio.</translation>
    </message>
    <message>
        <source>Each runs clockwise from the hub, seen from side 2, and crosses one spoke of its own side, passing under it.</source>
        <translation>Ognuno va in senso orario dal mozzo, visto dal lato 2, e incrocia un raggio del proprio lato, passandoci sotto.</translation>
    </message>
</context>
<context>
    <name>strings 146</name>
    <message>
        <source>“^1” is not a Quennick build file.</source>
        <translation>«^1» non è un file di montaggio Quennick.</translation>
    </message>
    <message>
        <source>“^1” is damaged: it is not a build as Quennick writes one, and was not opened.</source>
        <translation>«^1» è danneggiato: non è un montaggio come lo scrive Quennick e non è stato aperto.</translation>
    </message>
    <message>
        <source>“^1” ends too soon: the file was cut short, and was not opened.</source>
        <translation>«^1» finisce troppo presto: il file è troncato e non è stato aperto.</translation>
    </message>
    <message>
        <source>“^1” was saved by a newer version of Quennick. What this version understands of it is shown; the rest is left out, and saving it here keeps only what is shown.</source>
        <translation>«^1» è stato salvato da una versione più recente di Quennick. Vedi ciò che questa versione ne comprende; il resto viene tralasciato e, se lo salvi qui, resta solo ciò che vedi.</translation>
    </message>
    <message>
        <source>“^1” is larger than any build file (1 MiB), and was not opened.</source>
        <translation>«^1» è più grande di qualsiasi file di montaggio (1 MiB) e non è stato aperto.</translation>
    </message>
    <message>
        <source>“^1” is a folder, not a build file.</source>
        <translation>«^1» è una cartella, non un file di montaggio.</translation>
    </message>
    <message>
        <source>“^1” is not a file but a named pipe or a device, and was not opened.</source>
        <translation>«^1» non è un file ma una pipe con nome o un dispositivo, e non è stato aperto.</translation>
    </message>
    <message>
        <source>“^1” could not be opened: ^2.</source>
        <translation>Impossibile aprire «^1»: ^2.</translation>
    </message>
</context>
<context>
    <name>strings 147</name>
    <message>
        <source>“^1” could not be saved: ^2. The file on the disk is as it was before.</source>
        <translation>Impossibile salvare «^1»: ^2. Il file sul disco è rimasto com’era.</translation>
    </message>
</context>
<context>
    <name>strings 148</name>
    <message>
        <source>Save the changes to “^1”?</source>
        <translation>Vuoi salvare le modifiche a «^1»?</translation>
    </message>
    <message>
        <source>Your changes since the last save are lost if you don&apos;t save them.</source>
        <translation>Se non le salvi, le modifiche fatte dall’ultimo salvataggio andranno perse.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Non salvare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Montaggi Quennick (*.quennick)</translation>
    </message>
    <message>
        <source>build</source>
        <translation>montaggio</translation>
    </message>
</context>
<context>
    <name>strings 150</name>
    <message>
        <source>Spoke tensions: ^1</source>
        <translation>Tensione dei raggi: ^1</translation>
    </message>
    <message>
        <source>No wheel calculated yet: calculate one, and its spokes are listed here for their tensions.</source>
        <translation>Nessuna ruota ancora calcolata: calcolane una e i suoi raggi compariranno qui per la loro tensione.</translation>
    </message>
    <message>
        <source>Tension (kgf/N)</source>
        <extracomment>The meter that shows tension itself (a digital one), as against one whose readings a table turns into tension.</extracomment>
        <translation>Tensione (kgf/N)</translation>
    </message>
    <message>
        <source>^1, ^2, ^3 spokes</source>
        <translation>^1, ^2, ^3 raggi</translation>
    </message>
    <message>
        <source>Reading</source>
        <extracomment>A tension meter&apos;s reading: the number the meter shows, before its table turns it into a tension.</extracomment>
        <translation>Lettura</translation>
    </message>
    <message>
        <source>Tension</source>
        <translation>Tensione</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Tension readings</source>
        <translation>Letture del tensiometro</translation>
    </message>
</context>
<context>
    <name>strings 151</name>
    <message>
        <source>not a reading: left out</source>
        <translation>non è una lettura: esclusa</translation>
    </message>
    <message>
        <source>outside the meter&apos;s table: left out</source>
        <translation>fuori dalla tabella del tensiometro: esclusa</translation>
    </message>
    <message>
        <source>^1 under its side&apos;s mean: tighten</source>
        <extracomment>^1 a whole percentage with its sign written by list 163 (&quot;24 %&quot;). Tighten: turn the nipple to raise the spoke&apos;s tension.</extracomment>
        <translation>^1 sotto la media del lato: tendi</translation>
    </message>
    <message>
        <source>^1 over its side&apos;s mean: loosen</source>
        <translation>^1 sopra la media del lato: allenta</translation>
    </message>
    <message>
        <source>rim hole ^1, side ^2: ^3</source>
        <translation>foro del cerchio ^1, lato ^2: ^3</translation>
    </message>
    <message>
        <source>Every spoke read is within ±^1 of its side&apos;s mean.</source>
        <translation>Ogni raggio letto è entro ±^1 dalla media del suo lato.</translation>
    </message>
    <message>
        <source>Spokes outside ±^1 of their side&apos;s mean, furthest first:</source>
        <translation>Raggi oltre ±^1 dalla media del loro lato, dal più lontano:</translation>
    </message>
    <message>
        <source>rim hole ^1, side ^2, hub hole ^3: ^4</source>
        <translation>foro del cerchio ^1, lato ^2, foro del mozzo ^3: ^4</translation>
    </message>
</context>
<context>
    <name>strings 152</name>
    <message>
        <source>Side ^1: mean ^2, from ^3 of its ^4 spokes</source>
        <translation>Lato ^1: media ^2, su ^3 dei suoi ^4 raggi</translation>
    </message>
    <message>
        <source>Side ^1: no reading yet</source>
        <translation>Lato ^1: ancora nessuna lettura</translation>
    </message>
    <message>
        <source>Side ^1: its share of the target is ^2; the mean is ^3 from it</source>
        <extracomment>^2 the side&apos;s share of the tension typed for the higher-tension side; ^3 how far the mean is from it, a signed percentage.</extracomment>
        <translation>Lato ^1: la sua quota della tensione voluta è ^2; la media se ne discosta del ^3</translation>
    </message>
</context>
<context>
    <name>strings 153</name>
    <message>
        <source>Spoke tensions round the wheel, seen from side 2, valve at the top: farther out is tighter. Side 1 dashed, orange, open squares; side 2 solid, blue, filled dots; each side&apos;s mean a circle in its band of ^1; a spoke outside its band ringed.</source>
        <extracomment>What the chart shows, for screen readers. ^1 the band (&quot;±20 %&quot;).</extracomment>
        <translation>Tensione dei raggi per lato lungo la ruota, vista dal lato 2, valvola in alto: più lontano dal centro, più teso. Lato 1 tratteggiato, arancione, quadrati vuoti; lato 2 continuo, blu, punti pieni; media: cerchio con fascia ^1; fuori fascia: cerchiato.</translation>
    </message>
</context>
<context>
    <name>strings 154</name>
    <message>
        <source>^1 to ^2 mm</source>
        <translation>da ^1 a ^2 mm</translation>
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
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Nipple washers, each</source>
        <translation>Rondella per nipplo</translation>
    </message>
    <message>
        <source>ERD the lengths are worked from</source>
        <translation>ERD usato per le lunghezze</translation>
    </message>
    <message>
        <source>To buy at ERD ±1 mm, side 1</source>
        <translation>Da acquistare con ERD ±1 mm, lato 1</translation>
    </message>
    <message>
        <source>To buy at ERD ±1 mm, side 2</source>
        <translation>Da acquistare con ERD ±1 mm, lato 2</translation>
    </message>
</context>
<context>
    <name>strings 156</name>
    <message>
        <source>Put two spokes in opposite holes, screw a nipple on each, pull them tight and measure across from where one spoke enters its nipple to where the other enters its own. Each nipple&apos;s length is added.</source>
        <translation>Infila due raggi in fori opposti, avvita un nipplo su ciascuno, tendili e misura da dove un raggio entra nel suo nipplo a dove l’altro entra nel proprio. Si aggiunge la lunghezza di ogni nipplo.</translation>
    </message>
    <message>
        <source>Seat two rods of known length in opposite holes, each in a nipple as a spoke will be, and measure across between their ends. Each rod&apos;s length is added.</source>
        <translation>Metti due aste di lunghezza nota in fori opposti, ognuna in un nipplo come lo sarà un raggio, e misura tra le loro estremità. Si aggiunge la lunghezza di ogni asta.</translation>
    </message>
    <message>
        <source>Measured across:</source>
        <translation>Misura da parte a parte:</translation>
    </message>
    <message>
        <source>Nipple length:</source>
        <translation>Lunghezza del nipplo:</translation>
    </message>
    <message>
        <source>Length of each rod:</source>
        <translation>Lunghezza di ogni asta:</translation>
    </message>
    <message>
        <source>ERD ^1 mm filled in: ^2 across and twice ^3.</source>
        <translation>ERD ^1 mm inserito: ^2 da parte a parte più due volte ^3.</translation>
    </message>
    <message>
        <source>These figures give no ERD: the measurement and what is added at each end must both be above 0.</source>
        <translation>Questi dati non danno un ERD: la misura e ciò che si aggiunge a ogni estremità devono essere entrambi maggiori di 0.</translation>
    </message>
    <message>
        <source>The distance between the flanges, middle to middle, and how far their middle lies off the hub&apos;s centre toward side 1 (0 or empty for a centred hub).</source>
        <translation>La distanza tra le flange, da mezzeria a mezzeria, e di quanto la loro mezzeria è spostata dal centro del mozzo verso il lato 1 (0 o vuoto per un mozzo centrato).</translation>
    </message>
    <message>
        <source>The width over the locknuts, and each flange&apos;s distance, to its middle, from its own locknut.</source>
        <translation>La larghezza tra i controdadi e la distanza di ogni flangia, alla sua mezzeria, dal proprio controdado.</translation>
    </message>
    <message>
        <source>Distance between the flanges:</source>
        <translation>Distanza tra le flange:</translation>
    </message>
    <message>
        <source>Offset toward side 1:</source>
        <translation>Offset verso il lato 1:</translation>
    </message>
    <message>
        <source>Width over the locknuts:</source>
        <translation>Larghezza tra i controdadi:</translation>
    </message>
    <message>
        <source>Side 1 locknut to flange:</source>
        <translation>Controdado-flangia, lato 1:</translation>
    </message>
    <message>
        <source>Side 2 locknut to flange:</source>
        <translation>Controdado-flangia, lato 2:</translation>
    </message>
    <message>
        <source>Flange distances filled in: side 1 ^1 mm, side 2 ^2 mm.</source>
        <translation>Distanze delle flange inserite: lato 1 ^1 mm, lato 2 ^2 mm.</translation>
    </message>
    <message>
        <source>These figures give no flange distances: each must come out above 0.</source>
        <translation>Questi dati non danno distanze delle flange: ognuna deve risultare maggiore di 0.</translation>
    </message>
    <message>
        <source>Measure across the flange from the outer edge of one spoke hole to the outer edge of the hole opposite; one hole&apos;s diameter is taken off.</source>
        <translation>Misura attraverso la flangia dal bordo esterno di un foro al bordo esterno del foro opposto; si toglie il diametro di un foro.</translation>
    </message>
    <message>
        <source>Measure across the flange from one spoke hole to the hole opposite, from the same edge of each: that is the circle through the holes&apos; centres.</source>
        <translation>Misura attraverso la flangia da un foro a quello opposto, dallo stesso bordo di ciascuno: è la circonferenza che passa per i centri dei fori.</translation>
    </message>
    <message>
        <source>Spoke hole diameter:</source>
        <translation>Diametro dei fori dei raggi:</translation>
    </message>
    <message>
        <source>Flange diameter ^1 mm filled in for ^2.</source>
        <translation>Diametro della flangia ^1 mm inserito per ^2.</translation>
    </message>
    <message>
        <source>These figures give no flange diameter: the measurement must be larger than the hole.</source>
        <translation>Questi dati non danno un diametro della flangia: la misura deve essere maggiore del foro.</translation>
    </message>
    <message>
        <source>both sides</source>
        <translation>entrambi i lati</translation>
    </message>
    <message>
        <source>side 1</source>
        <translation>il lato 1</translation>
    </message>
    <message>
        <source>side 2</source>
        <translation>il lato 2</translation>
    </message>
</context>
<context>
    <name>strings 158</name>
    <message>
        <source>The tension of the higher-tension side is no number: type it in figures, such as 120. No stretch or length to buy comes from it.</source>
        <extracomment>The lacing note on the tension typed for the higher-tension side (as in string list 140&apos;s &quot;Tension of the higher-tension side&quot;). ^1 to ^2: the range&apos;s two numbers; ^3: the unit it was typed in, ^4 the other one (the unit popup&apos;s words, kgf or N).</extracomment>
        <translation>La tensione del lato più teso non è un numero: scrivila in cifre, per esempio 120. Non se ne ricavano né allungamento né lunghezza da acquistare.</translation>
    </message>
    <message>
        <source>No spoke or rim takes a tension outside ^1 to ^2 ^3 on the higher-tension side: no stretch or length to buy comes from it.</source>
        <translation>Nessun raggio o cerchio regge sul lato più teso una tensione fuori dall’intervallo da ^1 a ^2 ^3: non se ne ricavano né allungamento né lunghezza da acquistare.</translation>
    </message>
    <message>
        <source>No spoke or rim takes a tension outside ^1 to ^2 ^3 on the higher-tension side; in ^4 it would be inside: is the unit right? No stretch or length to buy comes from it.</source>
        <translation>Nessun raggio o cerchio regge sul lato più teso una tensione fuori dall’intervallo da ^1 a ^2 ^3; in ^4 vi rientrerebbe: l’unità è giusta? Non se ne ricavano né allungamento né lunghezza da acquistare.</translation>
    </message>
</context>
<context>
    <name>strings 159</name>
    <message>
        <source>The rim&apos;s diameter at the spoke ends (ERD) must be a number above 0: these lengths fit no wheel.</source>
        <extracomment>The lacing note on rim and hub figures no wheel has (the first four), and why the build sheet and the lacing diagram show no lacing (the last four). ^1 is a side&apos;s number (1 or 2), numbers in mm are written as the form writes them (&quot;300,00&quot;); in the fourth, ^1 is the offset and ^2 the side.</extracomment>
        <translation>Il diametro del cerchio alle estremità dei raggi (ERD) deve essere un numero maggiore di 0: queste lunghezze non vanno bene per nessuna ruota.</translation>
    </message>
    <message>
        <source>Side ^1&apos;s flange, ^2 mm across, is as wide as the rim (ERD ^3 mm) or wider: these lengths fit no wheel.</source>
        <translation>La flangia del lato ^1, di ^2 mm di diametro, è larga quanto il cerchio (ERD ^3 mm) o di più: queste lunghezze non vanno bene per nessuna ruota.</translation>
    </message>
    <message>
        <source>Side ^1&apos;s flange distance from the centre, ^2 mm, must be above 0: these lengths fit no wheel.</source>
        <translation>La distanza della flangia dal centro sul lato ^1, ^2 mm, deve essere maggiore di 0: queste lunghezze non vanno bene per nessuna ruota.</translation>
    </message>
    <message>
        <source>The rim&apos;s spoke hole offset, ^1 mm, reaches side ^2&apos;s flange distance (^3 mm) or past it: that side&apos;s spokes would lie flat, so these lengths fit no wheel.</source>
        <translation>L’offset dei fori dei raggi, ^1 mm, raggiunge o supera la distanza della flangia del lato ^2 (^3 mm): i raggi di quel lato starebbero piatti, quindi queste lunghezze non vanno bene per nessuna ruota.</translation>
    </message>
    <message>
        <source>No lacing: side ^1&apos;s ^2 spokes cannot be crossed, as a crossed side needs an even number of spokes. Lace that side radial or choose another spoke count.</source>
        <translation>Nessuna raggiatura: i ^2 raggi del lato ^1 non si possono incrociare, perché un lato incrociato richiede un numero pari di raggi. Raggia quel lato radiale o scegli un altro numero di raggi.</translation>
    </message>
    <message>
        <source>No lacing: side ^1&apos;s ^2 spokes take at most ^3 crossings; with ^4 a spoke would reach round the hub to its own radial hole.</source>
        <translation>Nessuna raggiatura: i ^2 raggi del lato ^1 ammettono al massimo ^3 incroci; con ^4 un raggio girerebbe intorno al mozzo fino al proprio foro radiale.</translation>
    </message>
    <message>
        <source>No lacing: these spoke counts cannot be laced.</source>
        <translation>Nessuna raggiatura: questi numeri di raggi non si possono raggiare.</translation>
    </message>
    <message>
        <source>No lacing: a spoke length has no result.</source>
        <translation>Nessuna raggiatura: una lunghezza dei raggi non ha risultato.</translation>
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
