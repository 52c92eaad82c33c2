<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Quennick</source>
        <translation>Acerca de Quennick</translation>
    </message>
    <message>
        <source>Quennick</source>
        <translation>Quennick</translation>
    </message>
    <message>
        <source>Works out the spoke length for each side of a bicycle wheel from the rim, the hub, the crossings and the number of spokes.</source>
        <translation>Calcula la longitud de los radios de cada lado de una rueda de bicicleta a partir de la llanta, el buje, los cruces y el número de radios.</translation>
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
        <translation>Hoja de montaje</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Número de página</translation>
    </message>
</context>
<context>
    <name>ErdHelper</name>
    <message>
        <source>ERD from a measurement</source>
        <translation>ERD a partir de una medida</translation>
    </message>
    <message>
        <source>Measured with</source>
        <translation>Medido con</translation>
    </message>
    <message>
        <source>Two spokes with nipples across the rim</source>
        <translation>Dos radios con cabecillas, de lado a lado de la llanta</translation>
    </message>
    <message>
        <source>A measuring tool: two rods of known length</source>
        <translation>Un útil de medida: dos varillas de longitud conocida</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation>Rellenar</translation>
    </message>
</context>
<context>
    <name>FlangeDiameterHelper</name>
    <message>
        <source>Flange diameter from a measurement</source>
        <translation>Diámetro de la brida a partir de una medida</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Medición</translation>
    </message>
    <message>
        <source>Across the outer edges of two opposite holes</source>
        <translation>Entre los bordes exteriores de dos agujeros opuestos</translation>
    </message>
    <message>
        <source>Hole to hole across, from the same edge of each</source>
        <translation>De agujero a agujero, desde el mismo borde de cada uno</translation>
    </message>
    <message>
        <source>For:</source>
        <translation>Para:</translation>
    </message>
    <message>
        <source>Which flange</source>
        <translation>Qué brida</translation>
    </message>
    <message>
        <source>Both sides</source>
        <translation>Ambos lados</translation>
    </message>
    <message>
        <source>Side 1</source>
        <translation>Lado 1</translation>
    </message>
    <message>
        <source>Side 2</source>
        <translation>Lado 2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation>Rellenar</translation>
    </message>
</context>
<context>
    <name>FlangeDistanceHelper</name>
    <message>
        <source>Flange distances from the maker&apos;s figures</source>
        <translation>Distancias de las bridas según las cifras del fabricante</translation>
    </message>
    <message>
        <source>The maker gives</source>
        <translation>El fabricante da</translation>
    </message>
    <message>
        <source>The distance between the flanges and their offset</source>
        <translation>La distancia entre las bridas y su desplazamiento</translation>
    </message>
    <message>
        <source>The width over the locknuts and each flange&apos;s distance from its locknut</source>
        <translation>El ancho entre contratuercas y la distancia de cada brida a su contratuerca</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation>Rellenar</translation>
    </message>
</context>
<context>
    <name>LacingDiagram</name>
    <message>
        <source>side 2, trailing</source>
        <translation>lado 2, de tiro</translation>
    </message>
    <message>
        <source>side 2, leading</source>
        <translation>lado 2, de empuje</translation>
    </message>
    <message>
        <source>side 1, trailing</source>
        <translation>lado 1, de tiro</translation>
    </message>
    <message>
        <source>side 1, leading</source>
        <translation>lado 1, de empuje</translation>
    </message>
    <message>
        <source>valve</source>
        <translation>válvula</translation>
    </message>
    <message>
        <source>The rim alone: calculate a wheel to see its spokes.</source>
        <translation>Solo la llanta: calcule una rueda para ver sus radios.</translation>
    </message>
    <message>
        <source>Lacing diagram</source>
        <translation>Esquema de radiado</translation>
    </message>
    <message>
        <source>key spoke</source>
        <extracomment>Label beside the key spoke on the lacing diagram: the first spoke laced, the one the others follow (&quot;key&quot; as in guide, not a tool). Keep it short.</extracomment>
        <translation>radio guía</translation>
    </message>
    <message>
        <source>The wheel seen from side 2 with the valve hole at the top: %1 spokes, %2 on side 1 with %3 crossings (dashed, orange) and %4 on side 2 with %5 crossings (solid, blue); trailing spokes drawn with wider lines than leading ones; the key spoke, in rim hole 1 right of the valve hole, drawn black.</source>
        <extracomment>What the lacing diagram shows, for screen readers. &quot;Wider lines&quot;: the pen, not the spoke. The key spoke: the first spoke laced, the one the others follow.</extracomment>
        <translation>La rueda vista desde el lado 2, con el agujero de la válvula arriba: %1 radios, %2 en el lado 1 con %3 cruces (discontinuos, naranja) y %4 en el lado 2 con %5 cruces (continuos, azul); los radios de tiro trazados con líneas más anchas que los de empuje; el radio guía, en el agujero 1 de la llanta a la derecha de la válvula, en negro.</translation>
    </message>
    <message>
        <source>The rim alone. %1</source>
        <translation>Solo la llanta. %1</translation>
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
        <translation>Llanta</translation>
    </message>
    <message>
        <source>Choose a rim…</source>
        <translation>Elegir una llanta…</translation>
    </message>
    <message>
        <source>Choose a rim</source>
        <translation>Elegir una llanta</translation>
    </message>
    <message>
        <source>Rim:</source>
        <translation>Llanta:</translation>
    </message>
    <message>
        <source>Rim name</source>
        <translation>Nombre de la llanta</translation>
    </message>
    <message>
        <source>Size:</source>
        <extracomment>The rim&apos;s size as its maker gives it (700C, 29&quot;, 622 x 19); the build sheet calls the same field &quot;Size&quot;: use one word for both.</extracomment>
        <translation>Medida:</translation>
    </message>
    <message>
        <source>Rim size</source>
        <translation>Medida de la llanta</translation>
    </message>
    <message>
        <source>Notes:</source>
        <extracomment>Free text from the catalogue about the rim or the hub; the build sheet calls the same field &quot;Notes&quot;: use one word for both.</extracomment>
        <translation>Notas:</translation>
    </message>
    <message>
        <source>Rim notes</source>
        <translation>Notas de la llanta</translation>
    </message>
    <message>
        <source>Rim diameter at the spoke ends (ERD):</source>
        <translation>Diámetro de la llanta en los extremos de los radios (ERD):</translation>
    </message>
    <message>
        <source>Rim diameter at the spoke ends</source>
        <translation>Diámetro de la llanta en los extremos de los radios</translation>
    </message>
    <message>
        <source>Effective rim diameter: twice the distance from the hub axis to the spoke ends in the rim</source>
        <translation>Diámetro efectivo de la llanta: el doble de la distancia del eje del buje a los extremos de los radios en la llanta</translation>
    </message>
    <message>
        <source>Spoke hole offset:</source>
        <translation>Desplazamiento de los agujeros:</translation>
    </message>
    <message>
        <source>Spoke hole offset</source>
        <translation>Desplazamiento de los agujeros</translation>
    </message>
    <message>
        <source>0,00</source>
        <translation>0,00</translation>
    </message>
    <message>
        <source>Hub</source>
        <translation>Buje</translation>
    </message>
    <message>
        <source>Choose a hub…</source>
        <translation>Elegir un buje…</translation>
    </message>
    <message>
        <source>Choose a hub</source>
        <translation>Elegir un buje</translation>
    </message>
    <message>
        <source>Hub:</source>
        <translation>Buje:</translation>
    </message>
    <message>
        <source>Hub name</source>
        <translation>Nombre del buje</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posición:</translation>
    </message>
    <message>
        <source>Hub position</source>
        <translation>Posición del buje</translation>
    </message>
    <message>
        <source>Axle:</source>
        <translation>Eje:</translation>
    </message>
    <message>
        <source>Hub axle</source>
        <translation>Eje del buje</translation>
    </message>
    <message>
        <source>Hub notes</source>
        <translation>Notas del buje</translation>
    </message>
    <message>
        <source>Spoke hole diameter:</source>
        <translation>Diámetro de los agujeros de radio:</translation>
    </message>
    <message>
        <source>Spoke hole diameter</source>
        <translation>Diámetro de los agujeros de radio</translation>
    </message>
    <message>
        <source>Side 1</source>
        <translation>Lado 1</translation>
    </message>
    <message>
        <source>Side 2</source>
        <translation>Lado 2</translation>
    </message>
    <message>
        <source>Flange diameter:</source>
        <translation>Diámetro de la brida:</translation>
    </message>
    <message>
        <source>Side 1 flange diameter</source>
        <translation>Diámetro de la brida, lado 1</translation>
    </message>
    <message>
        <source>Side 2 flange diameter</source>
        <translation>Diámetro de la brida, lado 2</translation>
    </message>
    <message>
        <source>Flange distance from the centre:</source>
        <translation>Distancia de la brida al centro:</translation>
    </message>
    <message>
        <source>Side 1 flange distance from the centre</source>
        <translation>Distancia de la brida al centro, lado 1</translation>
    </message>
    <message>
        <source>Side 2 flange distance from the centre</source>
        <translation>Distancia de la brida al centro, lado 2</translation>
    </message>
    <message>
        <source>Crossings:</source>
        <translation>Cruces:</translation>
    </message>
    <message>
        <source>Side 1 crossings</source>
        <translation>Cruces, lado 1</translation>
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
        <translation>Cruces, lado 2</translation>
    </message>
    <message>
        <source>Spokes in the wheel:</source>
        <translation>Radios en la rueda:</translation>
    </message>
    <message>
        <source>Spokes in the wheel</source>
        <translation>Radios en la rueda</translation>
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
        <translation>Radios</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Longitud:</translation>
    </message>
    <message>
        <source>Side 1 spoke length</source>
        <translation>Longitud de los radios, lado 1</translation>
    </message>
    <message>
        <source>Side 2 spoke length</source>
        <translation>Longitud de los radios, lado 2</translation>
    </message>
    <message>
        <source>Tension:</source>
        <translation>Tensión:</translation>
    </message>
    <message>
        <source>Side 1 spoke tension</source>
        <translation>Tensión de los radios, lado 1</translation>
    </message>
    <message>
        <source>Side 2 spoke tension</source>
        <translation>Tensión de los radios, lado 2</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear the form</source>
        <translation>Borrar el formulario</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Calculate the spoke lengths</source>
        <translation>Calcular las longitudes de los radios</translation>
    </message>
    <message>
        <source>Spoke head:</source>
        <translation>Cabeza del radio:</translation>
    </message>
    <message>
        <source>Spoke head</source>
        <translation>Cabeza del radio</translation>
    </message>
    <message>
        <source>J-bend</source>
        <extracomment>A spoke head, under the label &quot;Spoke head:&quot;: the spoke is bent just below its head, like a J, and hooks through a hole in the flange.</extracomment>
        <translation>Con codo</translation>
    </message>
    <message>
        <source>Straight-pull</source>
        <extracomment>A spoke head, under the label &quot;Spoke head:&quot;: the spoke runs straight out of its head, with no bend (as against J-bend). Agree it with the word for &quot;head&quot;.</extracomment>
        <translation>Recta</translation>
    </message>
    <message>
        <source>Flanges</source>
        <translation>Bridas</translation>
    </message>
    <message>
        <source>Lacing</source>
        <translation>Radiado</translation>
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
        <translation>Radios por lado:</translation>
    </message>
    <message>
        <source>Spokes per side</source>
        <translation>Radios por lado</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Iguales</translation>
    </message>
    <message>
        <source>2:1, more on side 2</source>
        <translation>2:1, más en el lado 2</translation>
    </message>
    <message>
        <source>2:1, more on side 1</source>
        <translation>2:1, más en el lado 1</translation>
    </message>
    <message>
        <source>Bracing angle:</source>
        <extracomment>The angle between a side&apos;s spokes and the wheel&apos;s centre plane, seen from the front of the wheel.</extracomment>
        <translation>Ángulo de los radios:</translation>
    </message>
    <message>
        <source>Side 1 bracing angle</source>
        <translation>Ángulo de los radios, lado 1</translation>
    </message>
    <message>
        <source>The angle of this side&apos;s spokes to the wheel&apos;s plane: the larger, the stiffer the wheel sideways</source>
        <translation>El ángulo de los radios de este lado con el plano de la rueda: cuanto mayor, más rígida es la rueda de lado</translation>
    </message>
    <message>
        <source>Side 2 bracing angle</source>
        <translation>Ángulo de los radios, lado 2</translation>
    </message>
    <message>
        <source>Lacing note</source>
        <translation>Nota sobre el radiado</translation>
    </message>
    <message>
        <source>Spoke gauge:</source>
        <extracomment>The thickness (diameter) of the spoke wire, in mm; not a measuring tool.</extracomment>
        <translation>Grosor de los radios:</translation>
    </message>
    <message>
        <source>Side 1 spoke gauge</source>
        <translation>Grosor de los radios, lado 1</translation>
    </message>
    <message>
        <source>Stainless spoke of this side: plain, or butted (diameters at the head, the middle and the thread, in mm)</source>
        <translation>Radio de acero inoxidable de este lado: liso o conificado (diámetros en la cabeza, en el centro y en la rosca, en mm)</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Sin indicar</translation>
    </message>
    <message>
        <source>Plain 2,0 mm</source>
        <extracomment>A plain spoke: the same diameter from head to thread, as against a butted one. Not &quot;simple&quot; or &quot;smooth&quot;.</extracomment>
        <translation>Liso 2,0 mm</translation>
    </message>
    <message>
        <source>Plain 1,8 mm</source>
        <translation>Liso 1,8 mm</translation>
    </message>
    <message>
        <source>Plain 2,3 mm</source>
        <translation>Liso 2,3 mm</translation>
    </message>
    <message>
        <source>Butted 2,0/1,8/2,0</source>
        <extracomment>A butted spoke: thicker at both ends than in the middle (diameters at the head, the middle and the thread). Every spoke is drawn wire, so not &quot;drawn&quot;; not &quot;tapered&quot; either.</extracomment>
        <translation>Conificado 2,0/1,8/2,0</translation>
    </message>
    <message>
        <source>Butted 2,0/1,5/2,0</source>
        <translation>Conificado 2,0/1,5/2,0</translation>
    </message>
    <message>
        <source>Side 2 spoke gauge</source>
        <translation>Grosor de los radios, lado 2</translation>
    </message>
    <message>
        <source>Tension unit</source>
        <translation>Unidad de tensión</translation>
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
        <translation>Longitudes disponibles:</translation>
    </message>
    <message>
        <source>Stock lengths</source>
        <translation>Longitudes disponibles</translation>
    </message>
    <message>
        <source>Every 2 mm (even)</source>
        <translation>Cada 2 mm (pares)</translation>
    </message>
    <message>
        <source>Every 1 mm</source>
        <translation>Cada milímetro</translation>
    </message>
    <message>
        <source>Stretch:</source>
        <translation>Estiramiento:</translation>
    </message>
    <message>
        <source>Side 1 stretch</source>
        <translation>Estiramiento, lado 1</translation>
    </message>
    <message>
        <source>How much this side&apos;s spokes stretch at their tension, in mm</source>
        <translation>Cuánto se estiran los radios de este lado con su tensión, en mm</translation>
    </message>
    <message>
        <source>Side 2 stretch</source>
        <translation>Estiramiento, lado 2</translation>
    </message>
    <message>
        <source>Length to buy:</source>
        <translation>Longitud de compra:</translation>
    </message>
    <message>
        <source>Side 1 length to buy</source>
        <translation>Longitud de compra, lado 1</translation>
    </message>
    <message>
        <source>The stock length nearest the spoke&apos;s unstretched length (without a gauge and a tension: nearest the length above), and how far it is from it</source>
        <translation>La longitud disponible más cercana a la longitud del radio sin estirar (sin grosor ni tensión: a la longitud de arriba), y cuánto se aparta de ella</translation>
    </message>
    <message>
        <source>Side 2 length to buy</source>
        <translation>Longitud de compra, lado 2</translation>
    </message>
    <message>
        <source>Tension of the higher-tension side:</source>
        <extracomment>The side whose spokes carry more tension (the one shown at 100 %; side 2, the drive side, on most rear wheels). &quot;Higher-tension&quot;, not &quot;tight&quot; as in a close fit.</extracomment>
        <translation>Tensión del lado más tenso:</translation>
    </message>
    <message>
        <source>Tension of the higher-tension side</source>
        <translation>Tensión del lado más tenso</translation>
    </message>
    <message>
        <source>The tension to build the higher-tension side to; the other side gets its share. Empty for none</source>
        <translation>La tensión a la que se lleva el lado más tenso; el otro lado recibe su parte. Vacío para ninguna</translation>
    </message>
    <message>
        <source>The lengths spokes are sold in: the length to buy is the nearest of them, and a length exactly halfway between two is bought as the longer</source>
        <extracomment>A length exactly halfway between two stock lengths (289 mm between 288 and 290) is bought as the longer one.</extracomment>
        <translation>Las longitudes en que se venden los radios: se compra la más cercana; una longitud justo a medio camino entre dos se compra como la más larga</translation>
    </message>
    <message>
        <source>Spoke tension of this side as a share of the higher-tension side&apos;s: the two sides pull the rim sideways in balance</source>
        <translation>Tensión de los radios de este lado como parte de la del lado más tenso: los dos lados tiran de la llanta hacia los lados en equilibrio</translation>
    </message>
    <message>
        <source>Asymmetric rims: how far the spoke holes sit off the rim&apos;s centre, in mm, as the rim maker gives it. Choose below toward which side they sit.</source>
        <translation>Llantas asimétricas: cuánto se apartan los agujeros del centro de la llanta, en mm, según el fabricante de la llanta. Elija abajo hacia qué lado se desplazan.</translation>
    </message>
    <message>
        <source>Spoke holes offset toward:</source>
        <translation>Agujeros desplazados hacia:</translation>
    </message>
    <message>
        <source>Spoke holes offset toward</source>
        <translation>Agujeros desplazados hacia</translation>
    </message>
    <message>
        <source>The side of the wheel the rim&apos;s spoke holes sit toward: that side&apos;s flange distance shrinks by the offset and the other side&apos;s grows by it. On a dished rear wheel, side 1 (away from the sprockets) evens the tensions.</source>
        <translation>El lado de la rueda hacia el que se desplazan los agujeros de la llanta: la distancia de la brida al centro de ese lado se reduce en el desplazamiento y la del otro lado aumenta en él. En una rueda trasera con paraguas, el lado 1 (el opuesto a los piñones) iguala las tensiones.</translation>
    </message>
    <message>
        <source>Straight-pull spokes leave:</source>
        <translation>Los radios de cabeza recta salen:</translation>
    </message>
    <message>
        <source>Straight-pull spokes leave</source>
        <translation>Los radios de cabeza recta salen</translation>
    </message>
    <message>
        <source>How the hub&apos;s seats send a straight-pull spoke off: aimed at its rim hole from a seat on the head seat circle (moved by the seat offset), or along the tangent of that circle, so that the hub, not the crossings, decides the length</source>
        <translation>Cómo hacen salir los asientos del buje un radio de cabeza recta: apuntando a su agujero de la llanta desde un asiento en el círculo de asiento de las cabezas (movido por el desplazamiento del asiento), o por la tangente de ese círculo, de modo que la longitud la decide el buje y no los cruces</translation>
    </message>
    <message>
        <source>Toward the rim hole</source>
        <translation>Hacia el agujero de la llanta</translation>
    </message>
    <message>
        <source>Along the tangent</source>
        <translation>Por la tangente</translation>
    </message>
    <message>
        <source>Seat offset:</source>
        <translation>Desplazamiento del asiento:</translation>
    </message>
    <message>
        <source>Seat offset</source>
        <translation>Desplazamiento del asiento</translation>
    </message>
    <message>
        <source>Straight-pull hubs whose seat sits off the radial line: how far, in mm, measured along the flange toward the spoke&apos;s rim hole. Empty or 0 for a seat on the radial line</source>
        <translation>Bujes para radios de cabeza recta cuyo asiento se aparta de la línea radial: cuánto, en mm, medido a lo largo de la brida hacia el agujero de la llanta del radio. Vacío o 0 para un asiento en la línea radial</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Work out the ERD from a measurement</source>
        <translation>Calcular el ERD a partir de una medida</translation>
    </message>
    <message>
        <source>Work out the ERD from a measurement across the rim</source>
        <translation>Calcular el ERD a partir de una medida de lado a lado de la llanta</translation>
    </message>
    <message>
        <source>Nipple washers, each:</source>
        <translation>Arandelas de cabecilla, cada una:</translation>
    </message>
    <message>
        <source>Nipple washer thickness</source>
        <translation>Grosor de la arandela de cabecilla</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>The thickness of the washer under each nipple, in mm; empty for none. Each nipple sits a washer further out, so the lengths are worked from the ERD plus twice the washer.</source>
        <translation>El grosor de la arandela bajo cada cabecilla, en mm; vacío si no lleva. Cada cabecilla queda una arandela más afuera, así que las longitudes se calculan con el ERD más dos veces la arandela.</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Fuente:</translation>
    </message>
    <message>
        <source>Rim source</source>
        <translation>Fuente de la llanta</translation>
    </message>
    <message>
        <source>Where the chosen rim&apos;s figures come from, as its catalogue says</source>
        <translation>De dónde proceden las cifras de la llanta elegida, según su catálogo</translation>
    </message>
    <message>
        <source>Hub source</source>
        <translation>Fuente del buje</translation>
    </message>
    <message>
        <source>Where the chosen hub&apos;s figures come from, as its catalogue says</source>
        <translation>De dónde proceden las cifras del buje elegido, según su catálogo</translation>
    </message>
    <message>
        <source>Work out the flange diameter from a measurement</source>
        <translation>Calcular el diámetro de la brida a partir de una medida</translation>
    </message>
    <message>
        <source>Work out the flange diameter from a measurement across the flange</source>
        <translation>Calcular el diámetro de la brida a partir de una medida de lado a lado de la brida</translation>
    </message>
    <message>
        <source>Work out the flange distances from the maker&apos;s figures</source>
        <translation>Calcular las distancias de las bridas a partir de las cifras del fabricante</translation>
    </message>
    <message>
        <source>Work out each flange&apos;s distance from the centre from the distance between the flanges, or from the width over the locknuts</source>
        <translation>Calcular la distancia de cada brida al centro a partir de la distancia entre las bridas o del ancho entre contratuercas</translation>
    </message>
    <message>
        <source>ERD ±1 mm:</source>
        <translation>ERD ±1 mm:</translation>
    </message>
    <message>
        <source>Side 1 length to buy with the ERD 1 mm either way</source>
        <translation>Longitud de compra, lado 1, con el ERD 1 mm arriba o abajo</translation>
    </message>
    <message>
        <source>The stock lengths to buy if the ERD were 1 mm shorter and 1 mm longer: one length means a millimetre&apos;s doubt about the rim does not matter</source>
        <translation>Las longitudes disponibles que se comprarían si el ERD fuera 1 mm menor y 1 mm mayor: si sale una sola longitud, un milímetro de duda sobre la llanta no importa</translation>
    </message>
    <message>
        <source>Side 2 length to buy with the ERD 1 mm either way</source>
        <translation>Longitud de compra, lado 2, con el ERD 1 mm arriba o abajo</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Montaje</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Build name</source>
        <translation>Nombre del montaje</translation>
    </message>
    <message>
        <source>Build notes</source>
        <translation>Notas del montaje</translation>
    </message>
</context>
<context>
    <name>Navigation</name>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>list</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Type to narrow the list</source>
        <translation>Escriba para acotar la lista</translation>
    </message>
    <message>
        <source>Showing “%1”: %2</source>
        <translation>Filtro «%1»: %2</translation>
    </message>
    <message>
        <source>%1 entries; type to narrow the list</source>
        <translation>%1 entradas; escriba para acotar la lista</translation>
    </message>
    <message>
        <source>Showing “%1”, %2 entries</source>
        <translation>Filtro «%1», %2 entradas</translation>
    </message>
    <message>
        <source>Close the list</source>
        <translation>Cerrar la lista</translation>
    </message>
    <message>
        <source>Close the list without choosing (Escape)</source>
        <translation>Cerrar la lista sin elegir (Esc)</translation>
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
        <translation>Acerca de Quennick</translation>
    </message>
</context>
<context>
    <name>menu 129</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Lacing diagram…</source>
        <translation>Esquema de radiado…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Guardar como…</translation>
    </message>
</context>
<context>
    <name>menu 130</name>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Copy build sheet</source>
        <translation>Copiar la hoja de montaje</translation>
    </message>
</context>
<context>
    <name>menu 131</name>
    <message>
        <source>Wheel</source>
        <translation>Rueda</translation>
    </message>
    <message>
        <source>Spoke tensions…</source>
        <translation>Tensiones de los radios…</translation>
    </message>
</context>
<context>
    <name>strings 128</name>
    <message>
        <source>no result</source>
        <translation>sin resultado</translation>
    </message>
</context>
<context>
    <name>strings 129</name>
    <message>
        <source>Side ^1: ^2 crossings on its ^3 spokes reach ^4° round the wheel, past a quarter turn, so the spokes would run across their own flange. Lace it with fewer crossings.</source>
        <translation>Lado ^1: ^2 cruces en sus ^3 radios llegan a ^4° alrededor de la rueda, más de un cuarto de vuelta, y los radios pasarían por encima de su propia brida. Rádielo con menos cruces.</translation>
    </message>
    <message>
        <source>Both sides: ^1 and ^2 crossings on ^3 and ^4 spokes reach past a quarter turn round the wheel, so the spokes would run across their own flanges. Lace them with fewer crossings.</source>
        <translation>Ambos lados: ^1 y ^2 cruces en ^3 y ^4 radios pasan de un cuarto de vuelta alrededor de la rueda, y los radios pasarían por encima de sus propias bridas. Rádielos con menos cruces.</translation>
    </message>
    <message>
        <source>Side ^1 at ^2 % of the other side&apos;s tension may go slack under load: lace 2:1, use a rim whose spoke holes are offset toward side ^1, or give side ^1 thinner spokes, which stretch more and keep their tension.</source>
        <extracomment>^2 is a whole number: write the percentage as your language does (58 %, 58%). &quot;Thinner spokes&quot;: a thinner spoke stretches more at a given tension, so it keeps some tension when the load takes a little away.</extracomment>
        <translation>El lado ^1, al ^2&#xa0;% de la tensión del otro lado, puede destensarse con carga: radie 2:1, use una llanta con los agujeros desplazados hacia el lado ^1 o ponga en el lado ^1 radios más finos, que se estiran más y conservan su tensión.</translation>
    </message>
    <message>
        <source>Side ^1: ^2 crossings take its spokes ^3° round the wheel, at or past the ^4° at which they would leave the flange along its tangent, so they would point back over their own flange. Lace it with fewer crossings.</source>
        <translation>Lado ^1: ^2 cruces llevan sus radios ^3° alrededor de la rueda, hasta los ^4° en que saldrían de la brida por su tangente o más allá, y apuntarían de vuelta sobre su propia brida. Rádielo con menos cruces.</translation>
    </message>
    <message>
        <source>Both sides: ^1 and ^2 crossings on ^3 and ^4 spokes take the spokes at or past the tangent of their flanges, so they would point back over their own flanges. Lace them with fewer crossings.</source>
        <translation>Ambos lados: ^1 y ^2 cruces en ^3 y ^4 radios llevan los radios hasta la tangente de sus bridas o más allá, y apuntarían de vuelta sobre sus propias bridas. Rádielos con menos cruces.</translation>
    </message>
    <message>
        <source>Side ^1: ^2 crossings on its ^3 spokes run ^4 mm from the centre of the next hub hole, over the head of the spoke in it. Lace it with fewer crossings.</source>
        <translation>Lado ^1: con ^2 cruces, sus ^3 radios pasan a ^4 mm del centro del siguiente agujero del buje, sobre la cabeza del radio que lleva. Rádielo con menos cruces.</translation>
    </message>
    <message>
        <source>^1 spokes on equal sides cannot be laced evenly with crossings: ^2 spokes a side cannot alternate leading and trailing. Lace them radial, or 2:1.</source>
        <translation>^1 radios en lados iguales no se pueden radiar cruzados de forma regular: con ^2 radios por lado no se alternan radios de tiro y de empuje. Rádielos en radial o 2:1.</translation>
    </message>
    <message>
        <source>Side ^1: its seats send the spokes off along the tangent, ^2° round the wheel: ^3 crossings on its ^4 spokes. Lace it with the nearest whole number; the length does not depend on the crossings chosen.</source>
        <translation>Lado ^1: sus asientos hacen salir los radios por la tangente, a ^2° alrededor de la rueda: ^3 cruces en sus ^4 radios. Rádielo con el número entero más cercano; la longitud no depende de los cruces elegidos.</translation>
    </message>
</context>
<context>
    <name>strings 130</name>
    <message>
        <source>Flange diameter:</source>
        <translation>Diámetro de la brida:</translation>
    </message>
    <message>
        <source>Flange distance from the centre:</source>
        <translation>Distancia de la brida al centro:</translation>
    </message>
    <message>
        <source>Head seat circle diameter (PCD):</source>
        <translation>Diámetro del círculo de asiento de las cabezas (PCD):</translation>
    </message>
    <message>
        <source>Head seat distance from the centre:</source>
        <translation>Distancia del asiento de las cabezas al centro:</translation>
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
        <translation>Diámetro de la brida, lado 1</translation>
    </message>
    <message>
        <source>Side 2 flange diameter</source>
        <translation>Diámetro de la brida, lado 2</translation>
    </message>
    <message>
        <source>Side 1 flange distance from the centre</source>
        <translation>Distancia de la brida al centro, lado 1</translation>
    </message>
    <message>
        <source>Side 2 flange distance from the centre</source>
        <translation>Distancia de la brida al centro, lado 2</translation>
    </message>
    <message>
        <source>Side 1 head seat circle diameter</source>
        <translation>Diámetro del círculo de asiento de las cabezas, lado 1</translation>
    </message>
    <message>
        <source>Side 2 head seat circle diameter</source>
        <translation>Diámetro del círculo de asiento de las cabezas, lado 2</translation>
    </message>
    <message>
        <source>Side 1 head seat distance from the centre</source>
        <translation>Distancia del asiento de las cabezas al centro, lado 1</translation>
    </message>
    <message>
        <source>Side 2 head seat distance from the centre</source>
        <translation>Distancia del asiento de las cabezas al centro, lado 2</translation>
    </message>
</context>
<context>
    <name>strings 140</name>
    <message>
        <source>Quennick build sheet</source>
        <translation>Hoja de montaje de Quennick</translation>
    </message>
    <message>
        <source>Rim</source>
        <translation>Llanta</translation>
    </message>
    <message>
        <source>Hub</source>
        <translation>Buje</translation>
    </message>
    <message>
        <source>Lacing</source>
        <translation>Radiado</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>The same field as the form&apos;s &quot;Size:&quot;: use the same word.</extracomment>
        <translation>Medida</translation>
    </message>
    <message>
        <source>Notes</source>
        <extracomment>The same field as the form&apos;s &quot;Notes:&quot;: use the same word.</extracomment>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Diameter at the spoke ends (ERD)</source>
        <translation>Diámetro en los extremos de los radios (ERD)</translation>
    </message>
    <message>
        <source>Spoke hole offset</source>
        <translation>Desplazamiento de los agujeros</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Axle</source>
        <translation>Eje</translation>
    </message>
    <message>
        <source>Flange diameter, side 1</source>
        <translation>Diámetro de la brida, lado 1</translation>
    </message>
    <message>
        <source>Flange diameter, side 2</source>
        <translation>Diámetro de la brida, lado 2</translation>
    </message>
    <message>
        <source>Flange distance, side 1</source>
        <translation>Distancia de la brida, lado 1</translation>
    </message>
    <message>
        <source>Flange distance, side 2</source>
        <translation>Distancia de la brida, lado 2</translation>
    </message>
    <message>
        <source>Spoke hole diameter</source>
        <translation>Diámetro de los agujeros de radio</translation>
    </message>
    <message>
        <source>Crossings, side 1</source>
        <translation>Cruces, lado 1</translation>
    </message>
    <message>
        <source>Crossings, side 2</source>
        <translation>Cruces, lado 2</translation>
    </message>
    <message>
        <source>Spokes</source>
        <translation>Radios</translation>
    </message>
    <message>
        <source>Spoke length, side 1</source>
        <translation>Longitud de los radios, lado 1</translation>
    </message>
    <message>
        <source>Spoke length, side 2</source>
        <translation>Longitud de los radios, lado 2</translation>
    </message>
    <message>
        <source>Tension, side 1</source>
        <translation>Tensión, lado 1</translation>
    </message>
    <message>
        <source>Tension, side 2</source>
        <translation>Tensión, lado 2</translation>
    </message>
    <message>
        <source>Lacing steps</source>
        <translation>Pasos del radiado</translation>
    </message>
    <message>
        <source>Lacing table</source>
        <translation>Tabla de radiado</translation>
    </message>
    <message>
        <source>Rim hole</source>
        <translation>Agujero de la llanta</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Lado</translation>
    </message>
    <message>
        <source>Hub hole</source>
        <translation>Agujero del buje</translation>
    </message>
    <message>
        <source>Spoke</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>leading</source>
        <translation>de empuje</translation>
    </message>
    <message>
        <source>trailing</source>
        <translation>de tiro</translation>
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
        <translation>Radios por lado</translation>
    </message>
    <message>
        <source>Spoke head</source>
        <translation>Cabeza del radio</translation>
    </message>
    <message>
        <source>Lacing note</source>
        <translation>Nota sobre el radiado</translation>
    </message>
    <message>
        <source>Bracing angle, side 1</source>
        <translation>Ángulo de los radios, lado 1</translation>
    </message>
    <message>
        <source>Bracing angle, side 2</source>
        <translation>Ángulo de los radios, lado 2</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>iguales</translation>
    </message>
    <message>
        <source>2:1, more on side 2</source>
        <translation>2:1, más en el lado 2</translation>
    </message>
    <message>
        <source>2:1, more on side 1</source>
        <translation>2:1, más en el lado 1</translation>
    </message>
    <message>
        <source>J-bend</source>
        <translation>Con codo</translation>
    </message>
    <message>
        <source>straight-pull</source>
        <translation>recta</translation>
    </message>
    <message>
        <source>Head seat circle diameter, side 1</source>
        <translation>Círculo de asiento de las cabezas, lado 1</translation>
    </message>
    <message>
        <source>Head seat circle diameter, side 2</source>
        <translation>Círculo de asiento de las cabezas, lado 2</translation>
    </message>
    <message>
        <source>Head seat distance, side 1</source>
        <translation>Distancia del asiento de las cabezas, lado 1</translation>
    </message>
    <message>
        <source>Head seat distance, side 2</source>
        <translation>Distancia del asiento de las cabezas, lado 2</translation>
    </message>
    <message>
        <source>Spoke gauge, side 1</source>
        <translation>Grosor de los radios, lado 1</translation>
    </message>
    <message>
        <source>Spoke gauge, side 2</source>
        <translation>Grosor de los radios, lado 2</translation>
    </message>
    <message>
        <source>Tension unit</source>
        <translation>Unidad de tensión</translation>
    </message>
    <message>
        <source>Stock lengths</source>
        <translation>Longitudes disponibles</translation>
    </message>
    <message>
        <source>Stretch, side 1</source>
        <translation>Estiramiento, lado 1</translation>
    </message>
    <message>
        <source>Stretch, side 2</source>
        <translation>Estiramiento, lado 2</translation>
    </message>
    <message>
        <source>Length to buy, side 1</source>
        <translation>Longitud de compra, lado 1</translation>
    </message>
    <message>
        <source>Length to buy, side 2</source>
        <translation>Longitud de compra, lado 2</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>sin indicar</translation>
    </message>
    <message>
        <source>plain 2,0 mm</source>
        <extracomment>A plain spoke: one diameter from head to thread, as against a butted one (thicker at the ends than in the middle).</extracomment>
        <translation>liso 2,0 mm</translation>
    </message>
    <message>
        <source>plain 1,8 mm</source>
        <translation>liso 1,8 mm</translation>
    </message>
    <message>
        <source>plain 2,3 mm</source>
        <translation>liso 2,3 mm</translation>
    </message>
    <message>
        <source>butted 2,0/1,8/2,0</source>
        <translation>conificado 2,0/1,8/2,0</translation>
    </message>
    <message>
        <source>butted 2,0/1,5/2,0</source>
        <translation>conificado 2,0/1,5/2,0</translation>
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
        <translation>cada 2 mm (pares)</translation>
    </message>
    <message>
        <source>every 1 mm</source>
        <translation>cada milímetro</translation>
    </message>
    <message>
        <source>Tension of the higher-tension side</source>
        <extracomment>The tension typed for the side whose spokes carry more tension (the one at 100 %); &quot;higher-tension&quot;, not &quot;tight&quot; as in a close fit.</extracomment>
        <translation>Tensión del lado más tenso</translation>
    </message>
</context>
<context>
    <name>strings 141</name>
    <message>
        <source>^1. The key spoke, side ^2, head out: from hub hole ^3 of side ^2&apos;s flange into rim hole 1. It trails: from the hub it runs counterclockwise, seen from side 2, to the rim.</source>
        <extracomment>The key spoke: the first spoke laced, into the rim hole right of the valve hole; the others are laced from it. &quot;Key&quot; as in &quot;the one the rest follow&quot;, not a tool.</extracomment>
        <translation>^1. El radio guía, lado ^2, cabeza hacia fuera: del agujero ^3 del buje, en la brida del lado ^2, al agujero 1 de la llanta. Es de tiro: va del buje a la llanta en sentido antihorario, visto desde el lado 2.</translation>
    </message>
    <message>
        <source>^1. The rest of side ^2&apos;s trailing spokes, heads out, from every second hub hole (hub hole→rim hole): ^3.</source>
        <translation>^1. El resto de los radios de tiro del lado ^2, cabeza hacia fuera, en agujeros alternos del buje (agujero del buje→agujero de la llanta): ^3.</translation>
    </message>
    <message>
        <source>^1. Side ^2&apos;s trailing spokes, heads out, counterclockwise from the hub like side ^3&apos;s (hub hole→rim hole): ^4. The last one ends left of the valve hole, beside the key spoke.</source>
        <translation>^1. Los radios de tiro del lado ^2, cabeza hacia fuera, en sentido antihorario desde el buje como los del lado ^3 (agujero del buje→agujero de la llanta): ^4. El último acaba a la izquierda del agujero de la válvula, junto al radio guía.</translation>
    </message>
    <message>
        <source>^1. Side ^2&apos;s leading spokes, heads in, from the hub holes left between (hub hole→rim hole): ^3.</source>
        <translation>^1. Los radios de empuje del lado ^2, cabeza hacia dentro, en los agujeros del buje que quedan libres entre ellos (agujero del buje→agujero de la llanta): ^3.</translation>
    </message>
    <message>
        <source>^1. The rest of side ^2&apos;s radial spokes, heads in (on the flange&apos;s inner face), each straight out from its hub hole (hub hole→rim hole): ^3.</source>
        <translation>^1. El resto de los radios del lado ^2, en radial, cabeza hacia dentro (en la cara interior de la brida), cada uno en línea recta desde su agujero del buje (agujero del buje→agujero de la llanta): ^3.</translation>
    </message>
    <message>
        <source>^1. Side ^2&apos;s radial spokes, heads in (on the flange&apos;s inner face), each straight out from its hub hole (hub hole→rim hole): ^3.</source>
        <translation>^1. Los radios del lado ^2, en radial, cabeza hacia dentro (en la cara interior de la brida), cada uno en línea recta desde su agujero del buje (agujero del buje→agujero de la llanta): ^3.</translation>
    </message>
    <message>
        <source>^1. Look at the wheel from side 2 (the drive side) with the valve hole at the top. Rim holes are counted clockwise from the valve hole: rim hole 1 is the first to its right.</source>
        <translation>^1. Mire la rueda desde el lado 2 (el de la transmisión) con el agujero de la válvula arriba. Los agujeros de la llanta se cuentan en sentido horario desde el de la válvula: el agujero 1 de la llanta es el primero a su derecha.</translation>
    </message>
    <message>
        <source>The two sides&apos; spokes take the rim holes in turn. On a rim whose holes sit alternately left and right, rim hole 1 must sit toward side ^1 (turn the rim over if not).</source>
        <translation>Los radios de los dos lados ocupan por turno los agujeros de la llanta. En una llanta con los agujeros alternados a izquierda y derecha, el agujero 1 de la llanta debe quedar hacia el lado ^1 (si no, dé la vuelta a la llanta).</translation>
    </message>
    <message>
        <source>Every spoke then reaches a hole offset toward its own flange.</source>
        <translation>Así cada radio llega a un agujero desplazado hacia su propia brida.</translation>
    </message>
    <message>
        <source>Rim holes 1 and 2 take side ^1&apos;s spokes, rim hole 3 side ^2&apos;s, and so on in threes round the rim: the valve hole lies between one hole of side ^2 and two of side ^1.</source>
        <translation>Los agujeros 1 y 2 de la llanta llevan radios del lado ^1, el agujero 3 del lado ^2, y así de tres en tres alrededor de la llanta: el agujero de la válvula queda entre un agujero del lado ^2 y dos del lado ^1.</translation>
    </message>
    <message>
        <source>A rim drilled for 2:1 has its pairs of holes offset toward side ^1.</source>
        <translation>Una llanta taladrada para 2:1 tiene sus pares de agujeros desplazados hacia el lado ^1.</translation>
    </message>
    <message>
        <source>On a rim whose holes sit alternately left and right, half of the spokes would reach a hole offset toward the other flange, however the rim is turned.</source>
        <translation>En una llanta con los agujeros alternados a izquierda y derecha, la mitad de los radios llegaría a un agujero desplazado hacia la otra brida, se gire como se gire la llanta.</translation>
    </message>
    <message>
        <source>^1. Hub holes are counted on each flange clockwise as the wheel is seen from side 2: on side 1&apos;s flange, looked at from side 1, that is counterclockwise.</source>
        <translation>^1. Los agujeros del buje se cuentan en cada brida en sentido horario, con la rueda vista desde el lado 2: en la brida del lado 1, mirada desde el lado 1, eso es sentido antihorario.</translation>
    </message>
    <message>
        <source>Any hole of side ^1&apos;s flange may be its hub hole ^2, the key spoke&apos;s.</source>
        <translation>Cualquier agujero de la brida del lado ^1 puede ser su agujero ^2 del buje, el del radio guía.</translation>
    </message>
    <message>
        <source>Trailing spokes go heads out (the head on the flange&apos;s outer face), leading spokes heads in (on its inner face): heads in and out alternate round each flange.</source>
        <translation>Los radios de tiro van con la cabeza hacia fuera (la cabeza en la cara exterior de la brida), los de empuje con la cabeza hacia dentro (en su cara interior): cabezas hacia dentro y hacia fuera se alternan en cada brida.</translation>
    </message>
    <message>
        <source>On a straight-pull hub its seats decide.</source>
        <translation>En un buje para radios de cabeza recta, deciden sus asientos.</translation>
    </message>
    <message>
        <source>^1. On side ^2&apos;s flange, hub hole ^3 is the hole half a hole spacing clockwise, seen from side 2, from the key spoke&apos;s hole on side ^4&apos;s flange; count side ^2&apos;s other holes from it.</source>
        <extracomment>The two flanges&apos; holes are staggered: each hole sits half the spacing between two holes round from the nearest hole of the other flange.</extracomment>
        <translation>^1. En la brida del lado ^2, el agujero ^3 del buje es el que queda a media separación entre agujeros en sentido horario, visto desde el lado 2, del agujero del radio guía en la brida del lado ^4; cuente desde él los demás agujeros del lado ^2.</translation>
    </message>
    <message>
        <source>^1. On side ^2&apos;s flange, hub hole ^3 is the hole half a hole spacing counterclockwise, seen from side 2, from the key spoke&apos;s hole on side ^4&apos;s flange; count side ^2&apos;s other holes from it.</source>
        <translation>^1. En la brida del lado ^2, el agujero ^3 del buje es el que queda a media separación entre agujeros en sentido antihorario, visto desde el lado 2, del agujero del radio guía en la brida del lado ^4; cuente desde él los demás agujeros del lado ^2.</translation>
    </message>
    <message>
        <source>^1. The key spoke, side ^2, head in (on the flange&apos;s inner face): from hub hole ^3 of side ^2&apos;s flange straight out into rim hole 1.</source>
        <translation>^1. El radio guía, lado ^2, cabeza hacia dentro (en la cara interior de la brida): del agujero ^3 del buje, en la brida del lado ^2, en línea recta al agujero 1 de la llanta.</translation>
    </message>
    <message>
        <source>Each runs clockwise from the hub, seen from side 2, and crosses ^1 of its own side&apos;s spokes: over the first ones and under the last, next to the rim.</source>
        <translation>Cada uno va en sentido horario desde el buje, visto desde el lado 2, y cruza ^1 radios de su propio lado: por encima de los primeros y por debajo del último, junto a la llanta.</translation>
    </message>
    <message>
        <source>Each runs clockwise from the hub, seen from side 2, and crosses one spoke of its own side, passing under it.</source>
        <translation>Cada uno va en sentido horario desde el buje, visto desde el lado 2, y cruza un radio de su propio lado, pasando por debajo de él.</translation>
    </message>
</context>
<context>
    <name>strings 146</name>
    <message>
        <source>“^1” is not a Quennick build file.</source>
        <translation>«^1» no es un archivo de montaje de Quennick.</translation>
    </message>
    <message>
        <source>“^1” is damaged: it is not a build as Quennick writes one, and was not opened.</source>
        <translation>«^1» está dañado: no es un montaje tal como lo escribe Quennick, y no se ha abierto.</translation>
    </message>
    <message>
        <source>“^1” ends too soon: the file was cut short, and was not opened.</source>
        <translation>«^1» termina antes de tiempo: el archivo está cortado, y no se ha abierto.</translation>
    </message>
    <message>
        <source>“^1” was saved by a newer version of Quennick. What this version understands of it is shown; the rest is left out, and saving it here keeps only what is shown.</source>
        <translation>«^1» se guardó con una versión más reciente de Quennick. Se muestra lo que esta versión entiende de él; el resto se omite, y si lo guarda aquí solo se conserva lo que se muestra.</translation>
    </message>
    <message>
        <source>“^1” is larger than any build file (1 MiB), and was not opened.</source>
        <translation>«^1» es mayor que cualquier archivo de montaje (1 MiB), y no se ha abierto.</translation>
    </message>
    <message>
        <source>“^1” is a folder, not a build file.</source>
        <translation>«^1» es una carpeta, no un archivo de montaje.</translation>
    </message>
    <message>
        <source>“^1” is not a file but a named pipe or a device, and was not opened.</source>
        <translation>«^1» no es un archivo, sino una tubería con nombre o un dispositivo, y no se ha abierto.</translation>
    </message>
    <message>
        <source>“^1” could not be opened: ^2.</source>
        <translation>No se ha podido abrir «^1»: ^2.</translation>
    </message>
</context>
<context>
    <name>strings 147</name>
    <message>
        <source>“^1” could not be saved: ^2. The file on the disk is as it was before.</source>
        <translation>No se ha podido guardar «^1»: ^2. El archivo del disco sigue como estaba.</translation>
    </message>
</context>
<context>
    <name>strings 148</name>
    <message>
        <source>Save the changes to “^1”?</source>
        <translation>¿Guardar los cambios en «^1»?</translation>
    </message>
    <message>
        <source>Your changes since the last save are lost if you don&apos;t save them.</source>
        <translation>Si no los guarda, se perderán los cambios hechos desde la última vez que guardó.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>No guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
        <translation>Montajes de Quennick (*.quennick)</translation>
    </message>
    <message>
        <source>build</source>
        <translation>montaje</translation>
    </message>
</context>
<context>
    <name>strings 150</name>
    <message>
        <source>Spoke tensions: ^1</source>
        <translation>Tensiones de los radios: ^1</translation>
    </message>
    <message>
        <source>No wheel calculated yet: calculate one, and its spokes are listed here for their tensions.</source>
        <translation>Aún no hay ninguna rueda calculada: calcule una y sus radios aparecerán aquí para anotar sus tensiones.</translation>
    </message>
    <message>
        <source>Tension (kgf/N)</source>
        <extracomment>The meter that shows tension itself (a digital one), as against one whose readings a table turns into tension.</extracomment>
        <translation>Tensión (kgf/N)</translation>
    </message>
    <message>
        <source>^1, ^2, ^3 spokes</source>
        <translation>^1, ^2, ^3 radios</translation>
    </message>
    <message>
        <source>Reading</source>
        <extracomment>A tension meter&apos;s reading: the number the meter shows, before its table turns it into a tension.</extracomment>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Tension</source>
        <translation>Tensión</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Tension readings</source>
        <translation>Lecturas de tensión</translation>
    </message>
</context>
<context>
    <name>strings 151</name>
    <message>
        <source>not a reading: left out</source>
        <translation>no es una lectura: no se cuenta</translation>
    </message>
    <message>
        <source>outside the meter&apos;s table: left out</source>
        <translation>fuera de la tabla del tensiómetro: no se cuenta</translation>
    </message>
    <message>
        <source>^1 under its side&apos;s mean: tighten</source>
        <extracomment>^1 a whole percentage with its sign written by list 163 (&quot;24 %&quot;). Tighten: turn the nipple to raise the spoke&apos;s tension.</extracomment>
        <translation>^1 por debajo de la media de su lado: apriete</translation>
    </message>
    <message>
        <source>^1 over its side&apos;s mean: loosen</source>
        <translation>^1 por encima de la media de su lado: afloje</translation>
    </message>
    <message>
        <source>rim hole ^1, side ^2: ^3</source>
        <translation>agujero ^1 de la llanta, lado ^2: ^3</translation>
    </message>
    <message>
        <source>Every spoke read is within ±^1 of its side&apos;s mean.</source>
        <translation>Todos los radios medidos están dentro de ±^1 de la media de su lado.</translation>
    </message>
    <message>
        <source>Spokes outside ±^1 of their side&apos;s mean, furthest first:</source>
        <translation>Radios fuera de ±^1 de la media de su lado, del más alejado al menos:</translation>
    </message>
    <message>
        <source>rim hole ^1, side ^2, hub hole ^3: ^4</source>
        <translation>agujero ^1 de la llanta, lado ^2, agujero ^3 del buje: ^4</translation>
    </message>
</context>
<context>
    <name>strings 152</name>
    <message>
        <source>Side ^1: mean ^2, from ^3 of its ^4 spokes</source>
        <translation>Lado ^1: media ^2, de ^3 de sus ^4 radios</translation>
    </message>
    <message>
        <source>Side ^1: no reading yet</source>
        <translation>Lado ^1: aún sin lecturas</translation>
    </message>
    <message>
        <source>Side ^1: its share of the target is ^2; the mean is ^3 from it</source>
        <extracomment>^2 the side&apos;s share of the tension typed for the higher-tension side; ^3 how far the mean is from it, a signed percentage.</extracomment>
        <translation>Lado ^1: su parte de la tensión objetivo es ^2; la media se aparta ^3 de ella</translation>
    </message>
</context>
<context>
    <name>strings 153</name>
    <message>
        <source>Spoke tensions round the wheel, seen from side 2, valve at the top: farther out is tighter. Side 1 dashed, orange, open squares; side 2 solid, blue, filled dots; each side&apos;s mean a circle in its band of ^1; a spoke outside its band ringed.</source>
        <extracomment>What the chart shows, for screen readers. ^1 the band (&quot;±20 %&quot;).</extracomment>
        <translation>Tensiones por lado, rueda vista desde el lado 2, válvula arriba: más lejos del centro, más tenso. Lado 1 discontinuo, naranja, cuadrados huecos; lado 2 continuo, azul, puntos llenos; cada media: círculo con banda de ^1; radio fuera de ella: rodeado.</translation>
    </message>
</context>
<context>
    <name>strings 154</name>
    <message>
        <source>^1 to ^2 mm</source>
        <translation>^1 a ^2 mm</translation>
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
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Nipple washers, each</source>
        <translation>Arandelas de cabecilla, cada una</translation>
    </message>
    <message>
        <source>ERD the lengths are worked from</source>
        <translation>ERD con el que se calculan las longitudes</translation>
    </message>
    <message>
        <source>To buy at ERD ±1 mm, side 1</source>
        <translation>Longitud de compra con ERD ±1 mm, lado 1</translation>
    </message>
    <message>
        <source>To buy at ERD ±1 mm, side 2</source>
        <translation>Longitud de compra con ERD ±1 mm, lado 2</translation>
    </message>
</context>
<context>
    <name>strings 156</name>
    <message>
        <source>Put two spokes in opposite holes, screw a nipple on each, pull them tight and measure across from where one spoke enters its nipple to where the other enters its own. Each nipple&apos;s length is added.</source>
        <translation>Ponga dos radios en agujeros opuestos, enrosque una cabecilla en cada uno, téngalos tirantes y mida de lado a lado desde donde un radio entra en su cabecilla hasta donde entra el otro. Se suma la longitud de cada cabecilla.</translation>
    </message>
    <message>
        <source>Seat two rods of known length in opposite holes, each in a nipple as a spoke will be, and measure across between their ends. Each rod&apos;s length is added.</source>
        <translation>Coloque dos varillas de longitud conocida en agujeros opuestos, cada una en una cabecilla como irá un radio, y mida de lado a lado entre sus extremos. Se suma la longitud de cada varilla.</translation>
    </message>
    <message>
        <source>Measured across:</source>
        <translation>Medida de lado a lado:</translation>
    </message>
    <message>
        <source>Nipple length:</source>
        <translation>Longitud de la cabecilla:</translation>
    </message>
    <message>
        <source>Length of each rod:</source>
        <translation>Longitud de cada varilla:</translation>
    </message>
    <message>
        <source>ERD ^1 mm filled in: ^2 across and twice ^3.</source>
        <translation>Se ha rellenado un ERD de ^1 mm: ^2 de lado a lado más dos veces ^3.</translation>
    </message>
    <message>
        <source>These figures give no ERD: the measurement and what is added at each end must both be above 0.</source>
        <translation>Estas cifras no dan ningún ERD: la medida y lo que se suma en cada extremo deben ser ambos mayores que 0.</translation>
    </message>
    <message>
        <source>The distance between the flanges, middle to middle, and how far their middle lies off the hub&apos;s centre toward side 1 (0 or empty for a centred hub).</source>
        <translation>La distancia entre las bridas, de mitad a mitad de su grosor, y cuánto se aparta el punto medio entre ellas del centro del buje hacia el lado 1 (0 o vacío para un buje centrado).</translation>
    </message>
    <message>
        <source>The width over the locknuts, and each flange&apos;s distance, to its middle, from its own locknut.</source>
        <translation>El ancho entre contratuercas y la distancia de cada brida, hasta la mitad de su grosor, a su propia contratuerca.</translation>
    </message>
    <message>
        <source>Distance between the flanges:</source>
        <translation>Distancia entre las bridas:</translation>
    </message>
    <message>
        <source>Offset toward side 1:</source>
        <translation>Desplazamiento hacia el lado 1:</translation>
    </message>
    <message>
        <source>Width over the locknuts:</source>
        <translation>Ancho entre contratuercas:</translation>
    </message>
    <message>
        <source>Side 1 locknut to flange:</source>
        <translation>De contratuerca a brida, lado 1:</translation>
    </message>
    <message>
        <source>Side 2 locknut to flange:</source>
        <translation>De contratuerca a brida, lado 2:</translation>
    </message>
    <message>
        <source>Flange distances filled in: side 1 ^1 mm, side 2 ^2 mm.</source>
        <translation>Se han rellenado las distancias de las bridas: lado 1, ^1 mm; lado 2, ^2 mm.</translation>
    </message>
    <message>
        <source>These figures give no flange distances: each must come out above 0.</source>
        <translation>Estas cifras no dan distancias de las bridas: cada una debe salir mayor que 0.</translation>
    </message>
    <message>
        <source>Measure across the flange from the outer edge of one spoke hole to the outer edge of the hole opposite; one hole&apos;s diameter is taken off.</source>
        <translation>Mida de lado a lado de la brida desde el borde exterior de un agujero de radio hasta el borde exterior del agujero opuesto; se resta el diámetro de un agujero.</translation>
    </message>
    <message>
        <source>Measure across the flange from one spoke hole to the hole opposite, from the same edge of each: that is the circle through the holes&apos; centres.</source>
        <translation>Mida de lado a lado de la brida desde un agujero de radio hasta el opuesto, desde el mismo borde de cada uno: es el círculo que pasa por los centros de los agujeros.</translation>
    </message>
    <message>
        <source>Spoke hole diameter:</source>
        <translation>Diámetro de los agujeros de radio:</translation>
    </message>
    <message>
        <source>Flange diameter ^1 mm filled in for ^2.</source>
        <translation>Se ha rellenado un diámetro de la brida de ^1 mm para ^2.</translation>
    </message>
    <message>
        <source>These figures give no flange diameter: the measurement must be larger than the hole.</source>
        <translation>Estas cifras no dan ningún diámetro de la brida: la medida debe ser mayor que el agujero.</translation>
    </message>
    <message>
        <source>both sides</source>
        <translation>ambos lados</translation>
    </message>
    <message>
        <source>side 1</source>
        <translation>el lado 1</translation>
    </message>
    <message>
        <source>side 2</source>
        <translation>el lado 2</translation>
    </message>
</context>
<context>
    <name>strings 158</name>
    <message>
        <source>The tension of the higher-tension side is no number: type it in figures, such as 120. No stretch or length to buy comes from it.</source>
        <extracomment>The lacing note on the tension typed for the higher-tension side (as in string list 140&apos;s &quot;Tension of the higher-tension side&quot;). ^1 to ^2: the range&apos;s two numbers; ^3: the unit it was typed in, ^4 the other one (the unit popup&apos;s words, kgf or N).</extracomment>
        <translation>La tensión del lado más tenso no es un número: escríbala en cifras, por ejemplo 120. De ella no sale estiramiento ni longitud de compra.</translation>
    </message>
    <message>
        <source>No spoke or rim takes a tension outside ^1 to ^2 ^3 on the higher-tension side: no stretch or length to buy comes from it.</source>
        <translation>Ningún radio ni llanta admite en el lado más tenso una tensión fuera de ^1 a ^2 ^3: de ella no sale estiramiento ni longitud de compra.</translation>
    </message>
    <message>
        <source>No spoke or rim takes a tension outside ^1 to ^2 ^3 on the higher-tension side; in ^4 it would be inside: is the unit right? No stretch or length to buy comes from it.</source>
        <translation>Ningún radio ni llanta admite en el lado más tenso una tensión fuera de ^1 a ^2 ^3; en ^4 estaría dentro: ¿es correcta la unidad? De ella no sale estiramiento ni longitud de compra.</translation>
    </message>
</context>
<context>
    <name>strings 159</name>
    <message>
        <source>The rim&apos;s diameter at the spoke ends (ERD) must be a number above 0: these lengths fit no wheel.</source>
        <extracomment>The lacing note on rim and hub figures no wheel has (the first four), and why the build sheet and the lacing diagram show no lacing (the last four). ^1 is a side&apos;s number (1 or 2), numbers in mm are written as the form writes them (&quot;300,00&quot;); in the fourth, ^1 is the offset and ^2 the side.</extracomment>
        <translation>El diámetro de la llanta en los extremos de los radios (ERD) debe ser un número mayor que 0: estas longitudes no sirven para ninguna rueda.</translation>
    </message>
    <message>
        <source>Side ^1&apos;s flange, ^2 mm across, is as wide as the rim (ERD ^3 mm) or wider: these lengths fit no wheel.</source>
        <translation>La brida del lado ^1, de ^2 mm de diámetro, es tan ancha como la llanta (ERD ^3 mm) o más: estas longitudes no sirven para ninguna rueda.</translation>
    </message>
    <message>
        <source>Side ^1&apos;s flange distance from the centre, ^2 mm, must be above 0: these lengths fit no wheel.</source>
        <translation>La distancia de la brida del lado ^1 al centro, ^2 mm, debe ser mayor que 0: estas longitudes no sirven para ninguna rueda.</translation>
    </message>
    <message>
        <source>The rim&apos;s spoke hole offset, ^1 mm, reaches side ^2&apos;s flange distance (^3 mm) or past it: that side&apos;s spokes would lie flat, so these lengths fit no wheel.</source>
        <translation>El desplazamiento de los agujeros de la llanta, ^1 mm, alcanza o supera la distancia de la brida del lado ^2 (^3 mm): los radios de ese lado quedarían planos, así que estas longitudes no sirven para ninguna rueda.</translation>
    </message>
    <message>
        <source>No lacing: side ^1&apos;s ^2 spokes cannot be crossed, as a crossed side needs an even number of spokes. Lace that side radial or choose another spoke count.</source>
        <translation>Sin radiado: los ^2 radios del lado ^1 no se pueden cruzar, pues un lado cruzado necesita un número par de radios. Radie ese lado en radial o elija otro número de radios.</translation>
    </message>
    <message>
        <source>No lacing: side ^1&apos;s ^2 spokes take at most ^3 crossings; with ^4 a spoke would reach round the hub to its own radial hole.</source>
        <translation>Sin radiado: los ^2 radios del lado ^1 admiten como mucho ^3 cruces; con ^4, un radio daría la vuelta al buje hasta su propio agujero radial.</translation>
    </message>
    <message>
        <source>No lacing: these spoke counts cannot be laced.</source>
        <translation>Sin radiado: estos números de radios no se pueden radiar.</translation>
    </message>
    <message>
        <source>No lacing: a spoke length has no result.</source>
        <translation>Sin radiado: una longitud de radio no tiene resultado.</translation>
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
