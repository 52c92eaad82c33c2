<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Quennick</source>
        <translation>À propos de Quennick</translation>
    </message>
    <message>
        <source>Quennick</source>
        <translation>Quennick</translation>
    </message>
    <message>
        <source>Works out the spoke length for each side of a bicycle wheel from the rim, the hub, the crossings and the number of spokes.</source>
        <translation>Calcule la longueur des rayons de chaque côté d’une roue de vélo à partir de la jante, du moyeu, des croisements et du nombre de rayons.</translation>
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
        <translation>Fiche de montage</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Numéro de page</translation>
    </message>
</context>
<context>
    <name>ErdHelper</name>
    <message>
        <source>ERD from a measurement</source>
        <translation>ERD d’après une mesure</translation>
    </message>
    <message>
        <source>Measured with</source>
        <translation>Mesuré avec</translation>
    </message>
    <message>
        <source>Two spokes with nipples across the rim</source>
        <translation>Deux rayons avec leurs écrous, en travers de la jante</translation>
    </message>
    <message>
        <source>A measuring tool: two rods of known length</source>
        <translation>Un outil de mesure&#xa0;: deux tiges de longueur connue</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation>Reporter</translation>
    </message>
</context>
<context>
    <name>FlangeDiameterHelper</name>
    <message>
        <source>Flange diameter from a measurement</source>
        <translation>Diamètre du flasque d’après une mesure</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Mesure</translation>
    </message>
    <message>
        <source>Across the outer edges of two opposite holes</source>
        <translation>Entre les bords extérieurs de deux trous opposés</translation>
    </message>
    <message>
        <source>Hole to hole across, from the same edge of each</source>
        <translation>D’un trou au trou opposé, du même bord de chacun</translation>
    </message>
    <message>
        <source>For:</source>
        <translation>Pour&#xa0;:</translation>
    </message>
    <message>
        <source>Which flange</source>
        <translation>Quel flasque</translation>
    </message>
    <message>
        <source>Both sides</source>
        <translation>Les deux côtés</translation>
    </message>
    <message>
        <source>Side 1</source>
        <translation>Côté 1</translation>
    </message>
    <message>
        <source>Side 2</source>
        <translation>Côté 2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation>Reporter</translation>
    </message>
</context>
<context>
    <name>FlangeDistanceHelper</name>
    <message>
        <source>Flange distances from the maker&apos;s figures</source>
        <translation>Distances des flasques d’après les cotes du fabricant</translation>
    </message>
    <message>
        <source>The maker gives</source>
        <translation>Le fabricant donne</translation>
    </message>
    <message>
        <source>The distance between the flanges and their offset</source>
        <translation>La distance entre les flasques et leur décalage</translation>
    </message>
    <message>
        <source>The width over the locknuts and each flange&apos;s distance from its locknut</source>
        <translation>La largeur entre contre-écrous et la distance de chaque flasque à son contre-écrou</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Fill in</source>
        <translation>Reporter</translation>
    </message>
</context>
<context>
    <name>LacingDiagram</name>
    <message>
        <source>side 2, trailing</source>
        <translation>côté 2, tirants</translation>
    </message>
    <message>
        <source>side 2, leading</source>
        <translation>côté 2, poussants</translation>
    </message>
    <message>
        <source>side 1, trailing</source>
        <translation>côté 1, tirants</translation>
    </message>
    <message>
        <source>side 1, leading</source>
        <translation>côté 1, poussants</translation>
    </message>
    <message>
        <source>valve</source>
        <translation>valve</translation>
    </message>
    <message>
        <source>The rim alone: calculate a wheel to see its spokes.</source>
        <translation>La jante seule&#xa0;: calculez une roue pour voir ses rayons.</translation>
    </message>
    <message>
        <source>Lacing diagram</source>
        <translation>Schéma de rayonnage</translation>
    </message>
    <message>
        <source>key spoke</source>
        <extracomment>Label beside the key spoke on the lacing diagram: the first spoke laced, the one the others follow (&quot;key&quot; as in guide, not a tool). Keep it short.</extracomment>
        <translation>rayon repère</translation>
    </message>
    <message>
        <source>The wheel seen from side 2 with the valve hole at the top: %1 spokes, %2 on side 1 with %3 crossings (dashed, orange) and %4 on side 2 with %5 crossings (solid, blue); trailing spokes drawn with wider lines than leading ones; the key spoke, in rim hole 1 right of the valve hole, drawn black.</source>
        <extracomment>What the lacing diagram shows, for screen readers. &quot;Wider lines&quot;: the pen, not the spoke. The key spoke: the first spoke laced, the one the others follow.</extracomment>
        <translation>La roue vue du côté 2, le trou de valve en haut&#xa0;: %1 rayons, %2 côté 1 avec %3 croisements (tirets, orange) et %4 côté 2 avec %5 croisements (trait plein, bleu)&#xa0;; les rayons tirants tracés d’un trait plus large que les poussants&#xa0;; le rayon repère, dans le trou de jante 1 à droite du trou de valve, en noir.</translation>
    </message>
    <message>
        <source>The rim alone. %1</source>
        <translation>La jante seule.&#xa0;%1</translation>
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
        <translation>Jante</translation>
    </message>
    <message>
        <source>Choose a rim…</source>
        <translation>Choisir une jante…</translation>
    </message>
    <message>
        <source>Choose a rim</source>
        <translation>Choisir une jante</translation>
    </message>
    <message>
        <source>Rim:</source>
        <translation>Jante&#xa0;:</translation>
    </message>
    <message>
        <source>Rim name</source>
        <translation>Nom de la jante</translation>
    </message>
    <message>
        <source>Size:</source>
        <extracomment>The rim&apos;s size as its maker gives it (700C, 29&quot;, 622 x 19); the build sheet calls the same field &quot;Size&quot;: use one word for both.</extracomment>
        <translation>Dimension&#xa0;:</translation>
    </message>
    <message>
        <source>Rim size</source>
        <translation>Dimension de la jante</translation>
    </message>
    <message>
        <source>Notes:</source>
        <extracomment>Free text from the catalogue about the rim or the hub; the build sheet calls the same field &quot;Notes&quot;: use one word for both.</extracomment>
        <translation>Notes&#xa0;:</translation>
    </message>
    <message>
        <source>Rim notes</source>
        <translation>Notes sur la jante</translation>
    </message>
    <message>
        <source>Rim diameter at the spoke ends (ERD):</source>
        <translation>Diamètre de la jante en bout de rayons (ERD)&#xa0;:</translation>
    </message>
    <message>
        <source>Rim diameter at the spoke ends</source>
        <translation>Diamètre de la jante en bout de rayons</translation>
    </message>
    <message>
        <source>Effective rim diameter: twice the distance from the hub axis to the spoke ends in the rim</source>
        <translation>Diamètre effectif de la jante&#xa0;: deux fois la distance de l’axe du moyeu aux extrémités des rayons dans la jante</translation>
    </message>
    <message>
        <source>Spoke hole offset:</source>
        <translation>Décalage des trous de rayons&#xa0;:</translation>
    </message>
    <message>
        <source>Spoke hole offset</source>
        <translation>Décalage des trous de rayons</translation>
    </message>
    <message>
        <source>0,00</source>
        <translation>0,00</translation>
    </message>
    <message>
        <source>Hub</source>
        <translation>Moyeu</translation>
    </message>
    <message>
        <source>Choose a hub…</source>
        <translation>Choisir un moyeu…</translation>
    </message>
    <message>
        <source>Choose a hub</source>
        <translation>Choisir un moyeu</translation>
    </message>
    <message>
        <source>Hub:</source>
        <translation>Moyeu&#xa0;:</translation>
    </message>
    <message>
        <source>Hub name</source>
        <translation>Nom du moyeu</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position&#xa0;:</translation>
    </message>
    <message>
        <source>Hub position</source>
        <translation>Position du moyeu</translation>
    </message>
    <message>
        <source>Axle:</source>
        <translation>Axe&#xa0;:</translation>
    </message>
    <message>
        <source>Hub axle</source>
        <translation>Axe du moyeu</translation>
    </message>
    <message>
        <source>Hub notes</source>
        <translation>Notes sur le moyeu</translation>
    </message>
    <message>
        <source>Spoke hole diameter:</source>
        <translation>Diamètre des trous de rayons&#xa0;:</translation>
    </message>
    <message>
        <source>Spoke hole diameter</source>
        <translation>Diamètre des trous de rayons</translation>
    </message>
    <message>
        <source>Side 1</source>
        <translation>Côté 1</translation>
    </message>
    <message>
        <source>Side 2</source>
        <translation>Côté 2</translation>
    </message>
    <message>
        <source>Flange diameter:</source>
        <translation>Diamètre du flasque&#xa0;:</translation>
    </message>
    <message>
        <source>Side 1 flange diameter</source>
        <translation>Diamètre du flasque, côté 1</translation>
    </message>
    <message>
        <source>Side 2 flange diameter</source>
        <translation>Diamètre du flasque, côté 2</translation>
    </message>
    <message>
        <source>Flange distance from the centre:</source>
        <translation>Distance du flasque au centre&#xa0;:</translation>
    </message>
    <message>
        <source>Side 1 flange distance from the centre</source>
        <translation>Distance du flasque au centre, côté 1</translation>
    </message>
    <message>
        <source>Side 2 flange distance from the centre</source>
        <translation>Distance du flasque au centre, côté 2</translation>
    </message>
    <message>
        <source>Crossings:</source>
        <translation>Croisements&#xa0;:</translation>
    </message>
    <message>
        <source>Side 1 crossings</source>
        <translation>Croisements, côté 1</translation>
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
        <translation>Croisements, côté 2</translation>
    </message>
    <message>
        <source>Spokes in the wheel:</source>
        <translation>Rayons dans la roue&#xa0;:</translation>
    </message>
    <message>
        <source>Spokes in the wheel</source>
        <translation>Rayons dans la roue</translation>
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
        <translation>Rayons</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Longueur&#xa0;:</translation>
    </message>
    <message>
        <source>Side 1 spoke length</source>
        <translation>Longueur des rayons, côté 1</translation>
    </message>
    <message>
        <source>Side 2 spoke length</source>
        <translation>Longueur des rayons, côté 2</translation>
    </message>
    <message>
        <source>Tension:</source>
        <translation>Tension&#xa0;:</translation>
    </message>
    <message>
        <source>Side 1 spoke tension</source>
        <translation>Tension des rayons, côté 1</translation>
    </message>
    <message>
        <source>Side 2 spoke tension</source>
        <translation>Tension des rayons, côté 2</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear the form</source>
        <translation>Effacer le formulaire</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Calculate the spoke lengths</source>
        <translation>Calculer les longueurs de rayons</translation>
    </message>
    <message>
        <source>Spoke head:</source>
        <translation>Tête de rayon&#xa0;:</translation>
    </message>
    <message>
        <source>Spoke head</source>
        <translation>Tête de rayon</translation>
    </message>
    <message>
        <source>J-bend</source>
        <extracomment>A spoke head, under the label &quot;Spoke head:&quot;: the spoke is bent just below its head, like a J, and hooks through a hole in the flange.</extracomment>
        <translation>Coudé</translation>
    </message>
    <message>
        <source>Straight-pull</source>
        <extracomment>A spoke head, under the label &quot;Spoke head:&quot;: the spoke runs straight out of its head, with no bend (as against J-bend). Agree it with the word for &quot;head&quot;.</extracomment>
        <translation>Tête droite</translation>
    </message>
    <message>
        <source>Flanges</source>
        <translation>Flasques</translation>
    </message>
    <message>
        <source>Lacing</source>
        <translation>Rayonnage</translation>
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
        <translation>Rayons par côté&#xa0;:</translation>
    </message>
    <message>
        <source>Spokes per side</source>
        <translation>Rayons par côté</translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Égal</translation>
    </message>
    <message>
        <source>2:1, more on side 2</source>
        <translation>2:1, davantage côté 2</translation>
    </message>
    <message>
        <source>2:1, more on side 1</source>
        <translation>2:1, davantage côté 1</translation>
    </message>
    <message>
        <source>Bracing angle:</source>
        <extracomment>The angle between a side&apos;s spokes and the wheel&apos;s centre plane, seen from the front of the wheel.</extracomment>
        <translation>Angle des rayons&#xa0;:</translation>
    </message>
    <message>
        <source>Side 1 bracing angle</source>
        <translation>Angle des rayons, côté 1</translation>
    </message>
    <message>
        <source>The angle of this side&apos;s spokes to the wheel&apos;s plane: the larger, the stiffer the wheel sideways</source>
        <translation>L’angle des rayons de ce côté avec le plan de la roue&#xa0;: plus il est grand, plus la roue est rigide latéralement</translation>
    </message>
    <message>
        <source>Side 2 bracing angle</source>
        <translation>Angle des rayons, côté 2</translation>
    </message>
    <message>
        <source>Lacing note</source>
        <translation>Remarque sur le rayonnage</translation>
    </message>
    <message>
        <source>Spoke gauge:</source>
        <extracomment>The thickness (diameter) of the spoke wire, in mm; not a measuring tool.</extracomment>
        <translation>Diamètre des rayons&#xa0;:</translation>
    </message>
    <message>
        <source>Side 1 spoke gauge</source>
        <translation>Diamètre des rayons, côté 1</translation>
    </message>
    <message>
        <source>Stainless spoke of this side: plain, or butted (diameters at the head, the middle and the thread, in mm)</source>
        <translation>Rayon inox de ce côté&#xa0;: de diamètre constant, ou rétreint (diamètres à la tête, au milieu et au filetage, en mm)</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Non précisé</translation>
    </message>
    <message>
        <source>Plain 2,0 mm</source>
        <extracomment>A plain spoke: the same diameter from head to thread, as against a butted one. Not &quot;simple&quot; or &quot;smooth&quot;.</extracomment>
        <translation>Constant 2,0 mm</translation>
    </message>
    <message>
        <source>Plain 1,8 mm</source>
        <translation>Constant 1,8 mm</translation>
    </message>
    <message>
        <source>Plain 2,3 mm</source>
        <translation>Constant 2,3 mm</translation>
    </message>
    <message>
        <source>Butted 2,0/1,8/2,0</source>
        <extracomment>A butted spoke: thicker at both ends than in the middle (diameters at the head, the middle and the thread). Every spoke is drawn wire, so not &quot;drawn&quot;; not &quot;tapered&quot; either.</extracomment>
        <translation>Rétreint 2,0/1,8/2,0</translation>
    </message>
    <message>
        <source>Butted 2,0/1,5/2,0</source>
        <translation>Rétreint 2,0/1,5/2,0</translation>
    </message>
    <message>
        <source>Side 2 spoke gauge</source>
        <translation>Diamètre des rayons, côté 2</translation>
    </message>
    <message>
        <source>Tension unit</source>
        <translation>Unité de tension</translation>
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
        <translation>Longueurs du commerce&#xa0;:</translation>
    </message>
    <message>
        <source>Stock lengths</source>
        <translation>Longueurs du commerce</translation>
    </message>
    <message>
        <source>Every 2 mm (even)</source>
        <translation>Tous les 2 mm (pairs)</translation>
    </message>
    <message>
        <source>Every 1 mm</source>
        <translation>Au millimètre</translation>
    </message>
    <message>
        <source>Stretch:</source>
        <translation>Allongement&#xa0;:</translation>
    </message>
    <message>
        <source>Side 1 stretch</source>
        <translation>Allongement, côté 1</translation>
    </message>
    <message>
        <source>How much this side&apos;s spokes stretch at their tension, in mm</source>
        <translation>De combien les rayons de ce côté s’allongent sous leur tension, en mm</translation>
    </message>
    <message>
        <source>Side 2 stretch</source>
        <translation>Allongement, côté 2</translation>
    </message>
    <message>
        <source>Length to buy:</source>
        <translation>Longueur à acheter&#xa0;:</translation>
    </message>
    <message>
        <source>Side 1 length to buy</source>
        <translation>Longueur à acheter, côté 1</translation>
    </message>
    <message>
        <source>The stock length nearest the spoke&apos;s unstretched length (without a gauge and a tension: nearest the length above), and how far it is from it</source>
        <translation>La longueur du commerce la plus proche de la longueur du rayon au repos (sans calibre ni tension&#xa0;: de la longueur ci-dessus), et son écart</translation>
    </message>
    <message>
        <source>Side 2 length to buy</source>
        <translation>Longueur à acheter, côté 2</translation>
    </message>
    <message>
        <source>Tension of the higher-tension side:</source>
        <extracomment>The side whose spokes carry more tension (the one shown at 100 %; side 2, the drive side, on most rear wheels). &quot;Higher-tension&quot;, not &quot;tight&quot; as in a close fit.</extracomment>
        <translation>Tension du côté le plus tendu&#xa0;:</translation>
    </message>
    <message>
        <source>Tension of the higher-tension side</source>
        <translation>Tension du côté le plus tendu</translation>
    </message>
    <message>
        <source>The tension to build the higher-tension side to; the other side gets its share. Empty for none</source>
        <translation>La tension à donner au côté le plus tendu&#xa0;; l’autre côté reçoit sa part. Vide pour aucune</translation>
    </message>
    <message>
        <source>The lengths spokes are sold in: the length to buy is the nearest of them, and a length exactly halfway between two is bought as the longer</source>
        <extracomment>A length exactly halfway between two stock lengths (289 mm between 288 and 290) is bought as the longer one.</extracomment>
        <translation>Les longueurs auxquelles les rayons sont vendus&#xa0;: on achète la plus proche&#xa0;; une longueur tombant juste entre deux s’achète à la plus longue</translation>
    </message>
    <message>
        <source>Spoke tension of this side as a share of the higher-tension side&apos;s: the two sides pull the rim sideways in balance</source>
        <translation>Tension des rayons de ce côté en part de celle du côté le plus tendu&#xa0;: les deux côtés tirent la jante latéralement en équilibre</translation>
    </message>
    <message>
        <source>Asymmetric rims: how far the spoke holes sit off the rim&apos;s centre, in mm, as the rim maker gives it. Choose below toward which side they sit.</source>
        <translation>Jantes asymétriques&#xa0;: de combien les trous de rayons sont décalés du centre de la jante, en mm, selon le fabricant de la jante. Choisissez ci-dessous vers quel côté.</translation>
    </message>
    <message>
        <source>Spoke holes offset toward:</source>
        <translation>Trous de rayons décalés vers&#xa0;:</translation>
    </message>
    <message>
        <source>Spoke holes offset toward</source>
        <translation>Trous de rayons décalés vers</translation>
    </message>
    <message>
        <source>The side of the wheel the rim&apos;s spoke holes sit toward: that side&apos;s flange distance shrinks by the offset and the other side&apos;s grows by it. On a dished rear wheel, side 1 (away from the sprockets) evens the tensions.</source>
        <translation>Le côté de la roue vers lequel les trous de rayons de la jante sont décalés&#xa0;: la distance du flasque de ce côté diminue du décalage, celle de l’autre côté augmente d’autant. Sur une roue arrière avec parapluie, le côté 1 (opposé aux pignons) équilibre les tensions.</translation>
    </message>
    <message>
        <source>Straight-pull spokes leave:</source>
        <translation>Départ des rayons à tête droite&#xa0;:</translation>
    </message>
    <message>
        <source>Straight-pull spokes leave</source>
        <translation>Départ des rayons à tête droite</translation>
    </message>
    <message>
        <source>How the hub&apos;s seats send a straight-pull spoke off: aimed at its rim hole from a seat on the head seat circle (moved by the seat offset), or along the tangent of that circle, so that the hub, not the crossings, decides the length</source>
        <translation>Comment les logements du moyeu font partir un rayon à tête droite&#xa0;: pointé vers son trou de jante depuis un logement sur le cercle des logements de tête (déplacé du décalage du logement), ou selon la tangente à ce cercle, de sorte que le moyeu, et non les croisements, fixe la longueur</translation>
    </message>
    <message>
        <source>Toward the rim hole</source>
        <translation>Vers le trou de jante</translation>
    </message>
    <message>
        <source>Along the tangent</source>
        <translation>Selon la tangente</translation>
    </message>
    <message>
        <source>Seat offset:</source>
        <translation>Décalage du logement&#xa0;:</translation>
    </message>
    <message>
        <source>Seat offset</source>
        <translation>Décalage du logement</translation>
    </message>
    <message>
        <source>Straight-pull hubs whose seat sits off the radial line: how far, in mm, measured along the flange toward the spoke&apos;s rim hole. Empty or 0 for a seat on the radial line</source>
        <translation>Moyeux pour rayons à tête droite dont le logement est décalé de la ligne radiale&#xa0;: de combien, en mm, mesuré le long du flasque vers le trou de jante du rayon. Vide ou 0 pour un logement sur la ligne radiale</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Work out the ERD from a measurement</source>
        <translation>Calculer l’ERD d’après une mesure</translation>
    </message>
    <message>
        <source>Work out the ERD from a measurement across the rim</source>
        <translation>Calculer l’ERD d’après une mesure en travers de la jante</translation>
    </message>
    <message>
        <source>Nipple washers, each:</source>
        <translation>Rondelles d’écrou, chacune&#xa0;:</translation>
    </message>
    <message>
        <source>Nipple washer thickness</source>
        <translation>Épaisseur des rondelles d’écrou</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>The thickness of the washer under each nipple, in mm; empty for none. Each nipple sits a washer further out, so the lengths are worked from the ERD plus twice the washer.</source>
        <translation>L’épaisseur de la rondelle sous chaque écrou, en mm&#xa0;; vide pour aucune. Chaque écrou se trouve d’une rondelle plus loin vers l’extérieur&#xa0;: les longueurs se calculent sur l’ERD plus deux fois la rondelle.</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Source&#xa0;:</translation>
    </message>
    <message>
        <source>Rim source</source>
        <translation>Source de la jante</translation>
    </message>
    <message>
        <source>Where the chosen rim&apos;s figures come from, as its catalogue says</source>
        <translation>D’où viennent les cotes de la jante choisie, selon son catalogue</translation>
    </message>
    <message>
        <source>Hub source</source>
        <translation>Source du moyeu</translation>
    </message>
    <message>
        <source>Where the chosen hub&apos;s figures come from, as its catalogue says</source>
        <translation>D’où viennent les cotes du moyeu choisi, selon son catalogue</translation>
    </message>
    <message>
        <source>Work out the flange diameter from a measurement</source>
        <translation>Calculer le diamètre du flasque d’après une mesure</translation>
    </message>
    <message>
        <source>Work out the flange diameter from a measurement across the flange</source>
        <translation>Calculer le diamètre du flasque d’après une mesure en travers du flasque</translation>
    </message>
    <message>
        <source>Work out the flange distances from the maker&apos;s figures</source>
        <translation>Calculer les distances des flasques d’après les cotes du fabricant</translation>
    </message>
    <message>
        <source>Work out each flange&apos;s distance from the centre from the distance between the flanges, or from the width over the locknuts</source>
        <translation>Calculer la distance de chaque flasque au centre à partir de la distance entre les flasques, ou de la largeur entre contre-écrous</translation>
    </message>
    <message>
        <source>ERD ±1 mm:</source>
        <translation>ERD ±1 mm&#xa0;:</translation>
    </message>
    <message>
        <source>Side 1 length to buy with the ERD 1 mm either way</source>
        <translation>Longueur à acheter, côté 1, avec l’ERD à 1 mm près</translation>
    </message>
    <message>
        <source>The stock lengths to buy if the ERD were 1 mm shorter and 1 mm longer: one length means a millimetre&apos;s doubt about the rim does not matter</source>
        <translation>Les longueurs du commerce à acheter si l’ERD était plus court ou plus long de 1 mm&#xa0;: une seule longueur signifie qu’un millimètre de doute sur la jante est sans importance</translation>
    </message>
    <message>
        <source>Side 2 length to buy with the ERD 1 mm either way</source>
        <translation>Longueur à acheter, côté 2, avec l’ERD à 1 mm près</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Montage</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Build name</source>
        <translation>Nom du montage</translation>
    </message>
    <message>
        <source>Build notes</source>
        <translation>Notes sur le montage</translation>
    </message>
</context>
<context>
    <name>Navigation</name>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>list</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Type to narrow the list</source>
        <translation>Tapez pour filtrer la liste</translation>
    </message>
    <message>
        <source>Showing “%1”: %2</source>
        <translation>Filtre «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 entries; type to narrow the list</source>
        <translation>%1 entrées&#xa0;; tapez pour filtrer la liste</translation>
    </message>
    <message>
        <source>Showing “%1”, %2 entries</source>
        <translation>Filtre «&#xa0;%1&#xa0;», %2 entrées</translation>
    </message>
    <message>
        <source>Close the list</source>
        <translation>Fermer la liste</translation>
    </message>
    <message>
        <source>Close the list without choosing (Escape)</source>
        <translation>Fermer la liste sans choisir (Échap)</translation>
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
        <translation>À propos de Quennick</translation>
    </message>
</context>
<context>
    <name>menu 129</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Lacing diagram…</source>
        <translation>Schéma de rayonnage…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
</context>
<context>
    <name>menu 130</name>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Copy build sheet</source>
        <translation>Copier la fiche de montage</translation>
    </message>
</context>
<context>
    <name>menu 131</name>
    <message>
        <source>Wheel</source>
        <translation>Roue</translation>
    </message>
    <message>
        <source>Spoke tensions…</source>
        <translation>Tensions des rayons…</translation>
    </message>
</context>
<context>
    <name>strings 128</name>
    <message>
        <source>no result</source>
        <translation>pas de résultat</translation>
    </message>
</context>
<context>
    <name>strings 129</name>
    <message>
        <source>Side ^1: ^2 crossings on its ^3 spokes reach ^4° round the wheel, past a quarter turn, so the spokes would run across their own flange. Lace it with fewer crossings.</source>
        <translation>Côté ^1&#xa0;: ^2 croisements sur ses ^3 rayons vont à ^4° autour de la roue, au-delà d’un quart de tour&#xa0;; les rayons passeraient sur leur propre flasque. Rayonnez-le avec moins de croisements.</translation>
    </message>
    <message>
        <source>Both sides: ^1 and ^2 crossings on ^3 and ^4 spokes reach past a quarter turn round the wheel, so the spokes would run across their own flanges. Lace them with fewer crossings.</source>
        <translation>Les deux côtés&#xa0;: ^1 et ^2 croisements sur ^3 et ^4 rayons vont au-delà d’un quart de tour autour de la roue&#xa0;; les rayons passeraient sur leurs propres flasques. Rayonnez-les avec moins de croisements.</translation>
    </message>
    <message>
        <source>Side ^1 at ^2 % of the other side&apos;s tension may go slack under load: lace 2:1, use a rim whose spoke holes are offset toward side ^1, or give side ^1 thinner spokes, which stretch more and keep their tension.</source>
        <extracomment>^2 is a whole number: write the percentage as your language does (58 %, 58%). &quot;Thinner spokes&quot;: a thinner spoke stretches more at a given tension, so it keeps some tension when the load takes a little away.</extracomment>
        <translation>Le côté ^1, à ^2&#xa0;% de la tension de l’autre côté, peut se détendre en charge&#xa0;: rayonnez en 2:1, prenez une jante aux trous décalés vers le côté ^1 ou des rayons plus fins côté ^1, qui s’allongent davantage et gardent leur tension.</translation>
    </message>
    <message>
        <source>Side ^1: ^2 crossings take its spokes ^3° round the wheel, at or past the ^4° at which they would leave the flange along its tangent, so they would point back over their own flange. Lace it with fewer crossings.</source>
        <translation>Côté ^1&#xa0;: ^2 croisements mènent ses rayons à ^3° autour de la roue, soit au moins les ^4° où ils quitteraient le flasque selon sa tangente&#xa0;; ils reviendraient par-dessus leur flasque. Rayonnez-le avec moins de croisements.</translation>
    </message>
    <message>
        <source>Both sides: ^1 and ^2 crossings on ^3 and ^4 spokes take the spokes at or past the tangent of their flanges, so they would point back over their own flanges. Lace them with fewer crossings.</source>
        <translation>Les deux côtés&#xa0;: ^1 et ^2 croisements sur ^3 et ^4 rayons mènent les rayons jusqu’à la tangente de leurs flasques ou au-delà&#xa0;; ils reviendraient par-dessus leurs propres flasques. Rayonnez-les avec moins de croisements.</translation>
    </message>
    <message>
        <source>Side ^1: ^2 crossings on its ^3 spokes run ^4 mm from the centre of the next hub hole, over the head of the spoke in it. Lace it with fewer crossings.</source>
        <translation>Côté ^1&#xa0;: avec ^2 croisements, ses ^3 rayons passent à ^4 mm du centre du trou de moyeu voisin, sur la tête du rayon qui s’y trouve. Rayonnez-le avec moins de croisements.</translation>
    </message>
    <message>
        <source>^1 spokes on equal sides cannot be laced evenly with crossings: ^2 spokes a side cannot alternate leading and trailing. Lace them radial, or 2:1.</source>
        <translation>^1 rayons à côtés égaux ne se croisent pas régulièrement&#xa0;: ^2 rayons par côté ne peuvent alterner tirants et poussants. Rayonnez-les en radial, ou en 2:1.</translation>
    </message>
    <message>
        <source>Side ^1: its seats send the spokes off along the tangent, ^2° round the wheel: ^3 crossings on its ^4 spokes. Lace it with the nearest whole number; the length does not depend on the crossings chosen.</source>
        <translation>Côté ^1&#xa0;: ses logements font partir les rayons selon la tangente, à ^2° autour de la roue&#xa0;: ^3 croisements sur ses ^4 rayons. Rayonnez-le avec l’entier le plus proche&#xa0;; la longueur ne dépend pas des croisements choisis.</translation>
    </message>
</context>
<context>
    <name>strings 130</name>
    <message>
        <source>Flange diameter:</source>
        <translation>Diamètre du flasque&#xa0;:</translation>
    </message>
    <message>
        <source>Flange distance from the centre:</source>
        <translation>Distance du flasque au centre&#xa0;:</translation>
    </message>
    <message>
        <source>Head seat circle diameter (PCD):</source>
        <translation>Diamètre du cercle des logements de tête (PCD)&#xa0;:</translation>
    </message>
    <message>
        <source>Head seat distance from the centre:</source>
        <translation>Distance des logements de tête au centre&#xa0;:</translation>
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
        <translation>Diamètre du flasque, côté 1</translation>
    </message>
    <message>
        <source>Side 2 flange diameter</source>
        <translation>Diamètre du flasque, côté 2</translation>
    </message>
    <message>
        <source>Side 1 flange distance from the centre</source>
        <translation>Distance du flasque au centre, côté 1</translation>
    </message>
    <message>
        <source>Side 2 flange distance from the centre</source>
        <translation>Distance du flasque au centre, côté 2</translation>
    </message>
    <message>
        <source>Side 1 head seat circle diameter</source>
        <translation>Diamètre du cercle des logements de tête, côté 1</translation>
    </message>
    <message>
        <source>Side 2 head seat circle diameter</source>
        <translation>Diamètre du cercle des logements de tête, côté 2</translation>
    </message>
    <message>
        <source>Side 1 head seat distance from the centre</source>
        <translation>Distance des logements de tête au centre, côté 1</translation>
    </message>
    <message>
        <source>Side 2 head seat distance from the centre</source>
        <translation>Distance des logements de tête au centre, côté 2</translation>
    </message>
</context>
<context>
    <name>strings 140</name>
    <message>
        <source>Quennick build sheet</source>
        <translation>Fiche de montage Quennick</translation>
    </message>
    <message>
        <source>Rim</source>
        <translation>Jante</translation>
    </message>
    <message>
        <source>Hub</source>
        <translation>Moyeu</translation>
    </message>
    <message>
        <source>Lacing</source>
        <translation>Rayonnage</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>The same field as the form&apos;s &quot;Size:&quot;: use the same word.</extracomment>
        <translation>Dimension</translation>
    </message>
    <message>
        <source>Notes</source>
        <extracomment>The same field as the form&apos;s &quot;Notes:&quot;: use the same word.</extracomment>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Diameter at the spoke ends (ERD)</source>
        <translation>Diamètre en bout de rayons (ERD)</translation>
    </message>
    <message>
        <source>Spoke hole offset</source>
        <translation>Décalage des trous de rayons</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Axle</source>
        <translation>Axe</translation>
    </message>
    <message>
        <source>Flange diameter, side 1</source>
        <translation>Diamètre du flasque, côté 1</translation>
    </message>
    <message>
        <source>Flange diameter, side 2</source>
        <translation>Diamètre du flasque, côté 2</translation>
    </message>
    <message>
        <source>Flange distance, side 1</source>
        <translation>Distance du flasque, côté 1</translation>
    </message>
    <message>
        <source>Flange distance, side 2</source>
        <translation>Distance du flasque, côté 2</translation>
    </message>
    <message>
        <source>Spoke hole diameter</source>
        <translation>Diamètre des trous de rayons</translation>
    </message>
    <message>
        <source>Crossings, side 1</source>
        <translation>Croisements, côté 1</translation>
    </message>
    <message>
        <source>Crossings, side 2</source>
        <translation>Croisements, côté 2</translation>
    </message>
    <message>
        <source>Spokes</source>
        <translation>Rayons</translation>
    </message>
    <message>
        <source>Spoke length, side 1</source>
        <translation>Longueur des rayons, côté 1</translation>
    </message>
    <message>
        <source>Spoke length, side 2</source>
        <translation>Longueur des rayons, côté 2</translation>
    </message>
    <message>
        <source>Tension, side 1</source>
        <translation>Tension, côté 1</translation>
    </message>
    <message>
        <source>Tension, side 2</source>
        <translation>Tension, côté 2</translation>
    </message>
    <message>
        <source>Lacing steps</source>
        <translation>Étapes du rayonnage</translation>
    </message>
    <message>
        <source>Lacing table</source>
        <translation>Tableau de rayonnage</translation>
    </message>
    <message>
        <source>Rim hole</source>
        <translation>Trou de jante</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <source>Hub hole</source>
        <translation>Trou de moyeu</translation>
    </message>
    <message>
        <source>Spoke</source>
        <translation>Rayon</translation>
    </message>
    <message>
        <source>leading</source>
        <translation>poussant</translation>
    </message>
    <message>
        <source>trailing</source>
        <translation>tirant</translation>
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
        <translation>Rayons par côté</translation>
    </message>
    <message>
        <source>Spoke head</source>
        <translation>Tête de rayon</translation>
    </message>
    <message>
        <source>Lacing note</source>
        <translation>Remarque sur le rayonnage</translation>
    </message>
    <message>
        <source>Bracing angle, side 1</source>
        <translation>Angle des rayons, côté 1</translation>
    </message>
    <message>
        <source>Bracing angle, side 2</source>
        <translation>Angle des rayons, côté 2</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>égal</translation>
    </message>
    <message>
        <source>2:1, more on side 2</source>
        <translation>2:1, davantage côté 2</translation>
    </message>
    <message>
        <source>2:1, more on side 1</source>
        <translation>2:1, davantage côté 1</translation>
    </message>
    <message>
        <source>J-bend</source>
        <translation>Coudé</translation>
    </message>
    <message>
        <source>straight-pull</source>
        <translation>tête droite</translation>
    </message>
    <message>
        <source>Head seat circle diameter, side 1</source>
        <translation>Cercle des logements de tête, côté 1</translation>
    </message>
    <message>
        <source>Head seat circle diameter, side 2</source>
        <translation>Cercle des logements de tête, côté 2</translation>
    </message>
    <message>
        <source>Head seat distance, side 1</source>
        <translation>Distance des logements de tête, côté 1</translation>
    </message>
    <message>
        <source>Head seat distance, side 2</source>
        <translation>Distance des logements de tête, côté 2</translation>
    </message>
    <message>
        <source>Spoke gauge, side 1</source>
        <translation>Diamètre des rayons, côté 1</translation>
    </message>
    <message>
        <source>Spoke gauge, side 2</source>
        <translation>Diamètre des rayons, côté 2</translation>
    </message>
    <message>
        <source>Tension unit</source>
        <translation>Unité de tension</translation>
    </message>
    <message>
        <source>Stock lengths</source>
        <translation>Longueurs du commerce</translation>
    </message>
    <message>
        <source>Stretch, side 1</source>
        <translation>Allongement, côté 1</translation>
    </message>
    <message>
        <source>Stretch, side 2</source>
        <translation>Allongement, côté 2</translation>
    </message>
    <message>
        <source>Length to buy, side 1</source>
        <translation>Longueur à acheter, côté 1</translation>
    </message>
    <message>
        <source>Length to buy, side 2</source>
        <translation>Longueur à acheter, côté 2</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>non précisé</translation>
    </message>
    <message>
        <source>plain 2,0 mm</source>
        <extracomment>A plain spoke: one diameter from head to thread, as against a butted one (thicker at the ends than in the middle).</extracomment>
        <translation>constant 2,0 mm</translation>
    </message>
    <message>
        <source>plain 1,8 mm</source>
        <translation>constant 1,8 mm</translation>
    </message>
    <message>
        <source>plain 2,3 mm</source>
        <translation>constant 2,3 mm</translation>
    </message>
    <message>
        <source>butted 2,0/1,8/2,0</source>
        <translation>rétreint 2,0/1,8/2,0</translation>
    </message>
    <message>
        <source>butted 2,0/1,5/2,0</source>
        <translation>rétreint 2,0/1,5/2,0</translation>
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
        <translation>tous les 2 mm (pairs)</translation>
    </message>
    <message>
        <source>every 1 mm</source>
        <translation>au millimètre</translation>
    </message>
    <message>
        <source>Tension of the higher-tension side</source>
        <extracomment>The tension typed for the side whose spokes carry more tension (the one at 100 %); &quot;higher-tension&quot;, not &quot;tight&quot; as in a close fit.</extracomment>
        <translation>Tension du côté le plus tendu</translation>
    </message>
</context>
<context>
    <name>strings 141</name>
    <message>
        <source>^1. The key spoke, side ^2, head out: from hub hole ^3 of side ^2&apos;s flange into rim hole 1. It trails: from the hub it runs counterclockwise, seen from side 2, to the rim.</source>
        <extracomment>The key spoke: the first spoke laced, into the rim hole right of the valve hole; the others are laced from it. &quot;Key&quot; as in &quot;the one the rest follow&quot;, not a tool.</extracomment>
        <translation>^1. Le rayon repère, côté ^2, tête à l’extérieur&#xa0;: du trou de moyeu ^3 du flasque côté ^2 au trou de jante 1. Il est tirant&#xa0;: du moyeu à la jante, il va dans le sens antihoraire, vu du côté 2.</translation>
    </message>
    <message>
        <source>^1. The rest of side ^2&apos;s trailing spokes, heads out, from every second hub hole (hub hole→rim hole): ^3.</source>
        <translation>^1. Les autres rayons tirants du côté ^2, tête à l’extérieur, un trou de moyeu sur deux (trou de moyeu→trou de jante)&#xa0;: ^3.</translation>
    </message>
    <message>
        <source>^1. Side ^2&apos;s trailing spokes, heads out, counterclockwise from the hub like side ^3&apos;s (hub hole→rim hole): ^4. The last one ends left of the valve hole, beside the key spoke.</source>
        <translation>^1. Les rayons tirants du côté ^2, tête à l’extérieur, partant du moyeu dans le sens antihoraire comme ceux du côté ^3 (trou de moyeu→trou de jante)&#xa0;: ^4. Le dernier finit à gauche du trou de valve, à côté du rayon repère.</translation>
    </message>
    <message>
        <source>^1. Side ^2&apos;s leading spokes, heads in, from the hub holes left between (hub hole→rim hole): ^3.</source>
        <translation>^1. Les rayons poussants du côté ^2, tête à l’intérieur, dans les trous de moyeu restés libres (trou de moyeu→trou de jante)&#xa0;: ^3.</translation>
    </message>
    <message>
        <source>^1. The rest of side ^2&apos;s radial spokes, heads in (on the flange&apos;s inner face), each straight out from its hub hole (hub hole→rim hole): ^3.</source>
        <translation>^1. Les autres rayons radiaux du côté ^2, tête à l’intérieur (sur la face intérieure du flasque), chacun tout droit depuis son trou de moyeu (trou de moyeu→trou de jante)&#xa0;: ^3.</translation>
    </message>
    <message>
        <source>^1. Side ^2&apos;s radial spokes, heads in (on the flange&apos;s inner face), each straight out from its hub hole (hub hole→rim hole): ^3.</source>
        <translation>^1. Les rayons radiaux du côté ^2, tête à l’intérieur (sur la face intérieure du flasque), chacun tout droit depuis son trou de moyeu (trou de moyeu→trou de jante)&#xa0;: ^3.</translation>
    </message>
    <message>
        <source>^1. Look at the wheel from side 2 (the drive side) with the valve hole at the top. Rim holes are counted clockwise from the valve hole: rim hole 1 is the first to its right.</source>
        <translation>^1. Regardez la roue du côté 2 (côté transmission), le trou de valve en haut. Les trous de jante se comptent dans le sens horaire depuis le trou de valve&#xa0;: le trou de jante 1 est le premier à sa droite.</translation>
    </message>
    <message>
        <source>The two sides&apos; spokes take the rim holes in turn. On a rim whose holes sit alternately left and right, rim hole 1 must sit toward side ^1 (turn the rim over if not).</source>
        <translation>Les rayons des deux côtés occupent les trous de jante à tour de rôle. Sur une jante aux trous décalés alternativement à gauche et à droite, le trou de jante 1 doit être décalé vers le côté ^1 (sinon, retournez la jante).</translation>
    </message>
    <message>
        <source>Every spoke then reaches a hole offset toward its own flange.</source>
        <translation>Chaque rayon atteint alors un trou décalé vers son propre flasque.</translation>
    </message>
    <message>
        <source>Rim holes 1 and 2 take side ^1&apos;s spokes, rim hole 3 side ^2&apos;s, and so on in threes round the rim: the valve hole lies between one hole of side ^2 and two of side ^1.</source>
        <translation>Les trous de jante 1 et 2 reçoivent des rayons du côté ^1, le trou 3 un du côté ^2, et ainsi de suite par trois sur le tour&#xa0;: le trou de valve est entre un trou du côté ^2 et deux du côté ^1.</translation>
    </message>
    <message>
        <source>A rim drilled for 2:1 has its pairs of holes offset toward side ^1.</source>
        <translation>Une jante percée pour le 2:1 a ses paires de trous décalées vers le côté ^1.</translation>
    </message>
    <message>
        <source>On a rim whose holes sit alternately left and right, half of the spokes would reach a hole offset toward the other flange, however the rim is turned.</source>
        <translation>Sur une jante aux trous décalés alternativement à gauche et à droite, la moitié des rayons atteindrait un trou décalé vers l’autre flasque, dans quelque sens qu’on la monte.</translation>
    </message>
    <message>
        <source>^1. Hub holes are counted on each flange clockwise as the wheel is seen from side 2: on side 1&apos;s flange, looked at from side 1, that is counterclockwise.</source>
        <translation>^1. Les trous de moyeu se comptent sur chaque flasque dans le sens horaire, la roue vue du côté 2&#xa0;: sur le flasque côté 1, vu du côté 1, c’est le sens antihoraire.</translation>
    </message>
    <message>
        <source>Any hole of side ^1&apos;s flange may be its hub hole ^2, the key spoke&apos;s.</source>
        <translation>N’importe quel trou du flasque côté ^1 peut être son trou de moyeu ^2, celui du rayon repère.</translation>
    </message>
    <message>
        <source>Trailing spokes go heads out (the head on the flange&apos;s outer face), leading spokes heads in (on its inner face): heads in and out alternate round each flange.</source>
        <translation>Les rayons tirants se montent tête à l’extérieur (la tête sur la face extérieure du flasque), les poussants tête à l’intérieur (sur sa face intérieure)&#xa0;: têtes intérieures et extérieures alternent sur chaque flasque.</translation>
    </message>
    <message>
        <source>On a straight-pull hub its seats decide.</source>
        <translation>Sur un moyeu pour rayons à tête droite, ce sont ses logements qui décident.</translation>
    </message>
    <message>
        <source>^1. On side ^2&apos;s flange, hub hole ^3 is the hole half a hole spacing clockwise, seen from side 2, from the key spoke&apos;s hole on side ^4&apos;s flange; count side ^2&apos;s other holes from it.</source>
        <extracomment>The two flanges&apos; holes are staggered: each hole sits half the spacing between two holes round from the nearest hole of the other flange.</extracomment>
        <translation>^1. Sur le flasque côté ^2, le trou de moyeu ^3 est à un demi-intervalle dans le sens horaire, vu du côté 2, du trou du rayon repère sur le flasque côté ^4&#xa0;; comptez depuis lui les autres trous du côté ^2.</translation>
    </message>
    <message>
        <source>^1. On side ^2&apos;s flange, hub hole ^3 is the hole half a hole spacing counterclockwise, seen from side 2, from the key spoke&apos;s hole on side ^4&apos;s flange; count side ^2&apos;s other holes from it.</source>
        <translation>^1. Sur le flasque côté ^2, le trou de moyeu ^3 est à un demi-intervalle dans le sens antihoraire, vu du côté 2, du trou du rayon repère sur le flasque côté ^4&#xa0;; comptez depuis lui les autres trous du côté ^2.</translation>
    </message>
    <message>
        <source>^1. The key spoke, side ^2, head in (on the flange&apos;s inner face): from hub hole ^3 of side ^2&apos;s flange straight out into rim hole 1.</source>
        <translation>^1. Le rayon repère, côté ^2, tête à l’intérieur (sur la face intérieure du flasque)&#xa0;: du trou de moyeu ^3 du flasque côté ^2, tout droit au trou de jante 1.</translation>
    </message>
    <message>
        <source>Each runs clockwise from the hub, seen from side 2, and crosses ^1 of its own side&apos;s spokes: over the first ones and under the last, next to the rim.</source>
        <translation>Chacun part du moyeu dans le sens horaire, vu du côté 2, et croise ^1 rayons de son côté&#xa0;: par-dessus les premiers et par-dessous le dernier, près de la jante.</translation>
    </message>
    <message>
        <source>Each runs clockwise from the hub, seen from side 2, and crosses one spoke of its own side, passing under it.</source>
        <translation>Chacun part du moyeu dans le sens horaire, vu du côté 2, et croise un rayon de son côté en passant par-dessous.</translation>
    </message>
</context>
<context>
    <name>strings 146</name>
    <message>
        <source>“^1” is not a Quennick build file.</source>
        <translation>«&#xa0;^1&#xa0;» n’est pas un fichier de montage Quennick.</translation>
    </message>
    <message>
        <source>“^1” is damaged: it is not a build as Quennick writes one, and was not opened.</source>
        <translation>«&#xa0;^1&#xa0;» est endommagé&#xa0;: ce n’est pas un montage tel que Quennick l’écrit, et il n’a pas été ouvert.</translation>
    </message>
    <message>
        <source>“^1” ends too soon: the file was cut short, and was not opened.</source>
        <translation>«&#xa0;^1&#xa0;» s’arrête trop tôt&#xa0;: le fichier a été tronqué, et il n’a pas été ouvert.</translation>
    </message>
    <message>
        <source>“^1” was saved by a newer version of Quennick. What this version understands of it is shown; the rest is left out, and saving it here keeps only what is shown.</source>
        <translation>«&#xa0;^1&#xa0;» a été enregistré par une version plus récente de Quennick. Ce que cette version en comprend est affiché&#xa0;; le reste est omis, et l’enregistrer ici ne garde que ce qui est affiché.</translation>
    </message>
    <message>
        <source>“^1” is larger than any build file (1 MiB), and was not opened.</source>
        <translation>«&#xa0;^1&#xa0;» est plus gros que tout fichier de montage (1 Mio), et il n’a pas été ouvert.</translation>
    </message>
    <message>
        <source>“^1” is a folder, not a build file.</source>
        <translation>«&#xa0;^1&#xa0;» est un dossier, pas un fichier de montage.</translation>
    </message>
    <message>
        <source>“^1” is not a file but a named pipe or a device, and was not opened.</source>
        <translation>«&#xa0;^1&#xa0;» n’est pas un fichier mais un tube nommé ou un périphérique, et il n’a pas été ouvert.</translation>
    </message>
    <message>
        <source>“^1” could not be opened: ^2.</source>
        <translation>«&#xa0;^1&#xa0;» n’a pas pu être ouvert&#xa0;: ^2.</translation>
    </message>
</context>
<context>
    <name>strings 147</name>
    <message>
        <source>“^1” could not be saved: ^2. The file on the disk is as it was before.</source>
        <translation>«&#xa0;^1&#xa0;» n’a pas pu être enregistré&#xa0;: ^2. Le fichier sur le disque est resté tel qu’il était.</translation>
    </message>
</context>
<context>
    <name>strings 148</name>
    <message>
        <source>Save the changes to “^1”?</source>
        <translation>Enregistrer les modifications de «&#xa0;^1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Your changes since the last save are lost if you don&apos;t save them.</source>
        <translation>Les modifications faites depuis le dernier enregistrement seront perdues si vous ne les enregistrez pas.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Montages Quennick (*.quennick)</translation>
    </message>
    <message>
        <source>build</source>
        <translation>montage</translation>
    </message>
</context>
<context>
    <name>strings 150</name>
    <message>
        <source>Spoke tensions: ^1</source>
        <translation>Tensions des rayons&#xa0;: ^1</translation>
    </message>
    <message>
        <source>No wheel calculated yet: calculate one, and its spokes are listed here for their tensions.</source>
        <translation>Aucune roue calculée&#xa0;: calculez-en une, et ses rayons s’afficheront ici pour leurs tensions.</translation>
    </message>
    <message>
        <source>Tension (kgf/N)</source>
        <extracomment>The meter that shows tension itself (a digital one), as against one whose readings a table turns into tension.</extracomment>
        <translation>Tension (kgf/N)</translation>
    </message>
    <message>
        <source>^1, ^2, ^3 spokes</source>
        <translation>^1, ^2, ^3 rayons</translation>
    </message>
    <message>
        <source>Reading</source>
        <extracomment>A tension meter&apos;s reading: the number the meter shows, before its table turns it into a tension.</extracomment>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Tension</source>
        <translation>Tension</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Tension readings</source>
        <translation>Lectures du tensiomètre</translation>
    </message>
</context>
<context>
    <name>strings 151</name>
    <message>
        <source>not a reading: left out</source>
        <translation>lecture non valable&#xa0;: écartée</translation>
    </message>
    <message>
        <source>outside the meter&apos;s table: left out</source>
        <translation>hors de la table du tensiomètre&#xa0;: écartée</translation>
    </message>
    <message>
        <source>^1 under its side&apos;s mean: tighten</source>
        <extracomment>^1 a whole percentage with its sign written by list 163 (&quot;24 %&quot;). Tighten: turn the nipple to raise the spoke&apos;s tension.</extracomment>
        <translation>^1 sous la moyenne de son côté&#xa0;: à tendre</translation>
    </message>
    <message>
        <source>^1 over its side&apos;s mean: loosen</source>
        <translation>^1 au-dessus de la moyenne de son côté&#xa0;: à détendre</translation>
    </message>
    <message>
        <source>rim hole ^1, side ^2: ^3</source>
        <translation>trou de jante ^1, côté ^2&#xa0;: ^3</translation>
    </message>
    <message>
        <source>Every spoke read is within ±^1 of its side&apos;s mean.</source>
        <translation>Chaque rayon lu est à ±^1 de la moyenne de son côté.</translation>
    </message>
    <message>
        <source>Spokes outside ±^1 of their side&apos;s mean, furthest first:</source>
        <translation>Rayons hors de ±^1 de la moyenne de leur côté, les plus éloignés d’abord&#xa0;:</translation>
    </message>
    <message>
        <source>rim hole ^1, side ^2, hub hole ^3: ^4</source>
        <translation>trou de jante ^1, côté ^2, trou de moyeu ^3&#xa0;: ^4</translation>
    </message>
</context>
<context>
    <name>strings 152</name>
    <message>
        <source>Side ^1: mean ^2, from ^3 of its ^4 spokes</source>
        <translation>Côté ^1&#xa0;: moyenne ^2, sur ^3 de ses ^4 rayons</translation>
    </message>
    <message>
        <source>Side ^1: no reading yet</source>
        <translation>Côté ^1&#xa0;: aucune lecture</translation>
    </message>
    <message>
        <source>Side ^1: its share of the target is ^2; the mean is ^3 from it</source>
        <extracomment>^2 the side&apos;s share of the tension typed for the higher-tension side; ^3 how far the mean is from it, a signed percentage.</extracomment>
        <translation>Côté ^1&#xa0;: sa part de la tension visée est ^2&#xa0;; la moyenne s’en écarte de ^3</translation>
    </message>
</context>
<context>
    <name>strings 153</name>
    <message>
        <source>Spoke tensions round the wheel, seen from side 2, valve at the top: farther out is tighter. Side 1 dashed, orange, open squares; side 2 solid, blue, filled dots; each side&apos;s mean a circle in its band of ^1; a spoke outside its band ringed.</source>
        <extracomment>What the chart shows, for screen readers. ^1 the band (&quot;±20 %&quot;).</extracomment>
        <translation>Tensions sur le tour de roue, vue du côté 2, valve en haut&#xa0;: plus loin du centre, plus tendu. Côté 1&#xa0;: tirets orange, carrés vides&#xa0;; côté 2&#xa0;: trait plein bleu, points pleins&#xa0;; moyenne en cercle dans sa plage de ^1&#xa0;; rayon hors plage cerclé.</translation>
    </message>
</context>
<context>
    <name>strings 154</name>
    <message>
        <source>^1 to ^2 mm</source>
        <translation>^1 à ^2 mm</translation>
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
        <translation>Source</translation>
    </message>
    <message>
        <source>Nipple washers, each</source>
        <translation>Rondelles d’écrou, chacune</translation>
    </message>
    <message>
        <source>ERD the lengths are worked from</source>
        <translation>ERD de calcul des longueurs</translation>
    </message>
    <message>
        <source>To buy at ERD ±1 mm, side 1</source>
        <translation>À acheter à ERD ±1 mm, côté 1</translation>
    </message>
    <message>
        <source>To buy at ERD ±1 mm, side 2</source>
        <translation>À acheter à ERD ±1 mm, côté 2</translation>
    </message>
</context>
<context>
    <name>strings 156</name>
    <message>
        <source>Put two spokes in opposite holes, screw a nipple on each, pull them tight and measure across from where one spoke enters its nipple to where the other enters its own. Each nipple&apos;s length is added.</source>
        <translation>Passez deux rayons dans des trous opposés, vissez un écrou sur chacun, tendez-les et mesurez de l’entrée d’un rayon dans son écrou à celle de l’autre dans le sien. La longueur de chaque écrou est ajoutée.</translation>
    </message>
    <message>
        <source>Seat two rods of known length in opposite holes, each in a nipple as a spoke will be, and measure across between their ends. Each rod&apos;s length is added.</source>
        <translation>Placez deux tiges de longueur connue dans des trous opposés, chacune dans un écrou comme le sera un rayon, et mesurez entre leurs extrémités. La longueur de chaque tige est ajoutée.</translation>
    </message>
    <message>
        <source>Measured across:</source>
        <translation>Cote mesurée&#xa0;:</translation>
    </message>
    <message>
        <source>Nipple length:</source>
        <translation>Longueur d’écrou&#xa0;:</translation>
    </message>
    <message>
        <source>Length of each rod:</source>
        <translation>Longueur de chaque tige&#xa0;:</translation>
    </message>
    <message>
        <source>ERD ^1 mm filled in: ^2 across and twice ^3.</source>
        <translation>ERD ^1 mm reporté&#xa0;: ^2 mesurés plus deux fois ^3.</translation>
    </message>
    <message>
        <source>These figures give no ERD: the measurement and what is added at each end must both be above 0.</source>
        <translation>Ces valeurs ne donnent pas d’ERD&#xa0;: la mesure et ce qui s’ajoute à chaque bout doivent être supérieurs à 0.</translation>
    </message>
    <message>
        <source>The distance between the flanges, middle to middle, and how far their middle lies off the hub&apos;s centre toward side 1 (0 or empty for a centred hub).</source>
        <translation>La distance entre les flasques, milieu à milieu, et le décalage de leur milieu par rapport au centre du moyeu vers le côté 1 (0 ou vide pour un moyeu centré).</translation>
    </message>
    <message>
        <source>The width over the locknuts, and each flange&apos;s distance, to its middle, from its own locknut.</source>
        <translation>La largeur entre contre-écrous, et la distance de chaque flasque, à son milieu, depuis son propre contre-écrou.</translation>
    </message>
    <message>
        <source>Distance between the flanges:</source>
        <translation>Distance entre les flasques&#xa0;:</translation>
    </message>
    <message>
        <source>Offset toward side 1:</source>
        <translation>Décalage vers le côté 1&#xa0;:</translation>
    </message>
    <message>
        <source>Width over the locknuts:</source>
        <translation>Largeur entre contre-écrous&#xa0;:</translation>
    </message>
    <message>
        <source>Side 1 locknut to flange:</source>
        <translation>Contre-écrou à flasque, côté 1&#xa0;:</translation>
    </message>
    <message>
        <source>Side 2 locknut to flange:</source>
        <translation>Contre-écrou à flasque, côté 2&#xa0;:</translation>
    </message>
    <message>
        <source>Flange distances filled in: side 1 ^1 mm, side 2 ^2 mm.</source>
        <translation>Distances des flasques reportées&#xa0;: côté 1 ^1 mm, côté 2 ^2 mm.</translation>
    </message>
    <message>
        <source>These figures give no flange distances: each must come out above 0.</source>
        <translation>Ces valeurs ne donnent pas de distances de flasques&#xa0;: chacune doit être supérieure à 0.</translation>
    </message>
    <message>
        <source>Measure across the flange from the outer edge of one spoke hole to the outer edge of the hole opposite; one hole&apos;s diameter is taken off.</source>
        <translation>Mesurez en travers du flasque, du bord extérieur d’un trou de rayon au bord extérieur du trou opposé&#xa0;; le diamètre d’un trou est retranché.</translation>
    </message>
    <message>
        <source>Measure across the flange from one spoke hole to the hole opposite, from the same edge of each: that is the circle through the holes&apos; centres.</source>
        <translation>Mesurez en travers du flasque, d’un trou de rayon au trou opposé, du même bord de chacun&#xa0;: c’est le cercle passant par le centre des trous.</translation>
    </message>
    <message>
        <source>Spoke hole diameter:</source>
        <translation>Diamètre des trous de rayons&#xa0;:</translation>
    </message>
    <message>
        <source>Flange diameter ^1 mm filled in for ^2.</source>
        <translation>Diamètre du flasque ^1 mm reporté pour ^2.</translation>
    </message>
    <message>
        <source>These figures give no flange diameter: the measurement must be larger than the hole.</source>
        <translation>Ces valeurs ne donnent pas de diamètre de flasque&#xa0;: la mesure doit être plus grande que le trou.</translation>
    </message>
    <message>
        <source>both sides</source>
        <translation>les deux côtés</translation>
    </message>
    <message>
        <source>side 1</source>
        <translation>le côté 1</translation>
    </message>
    <message>
        <source>side 2</source>
        <translation>le côté 2</translation>
    </message>
</context>
<context>
    <name>strings 158</name>
    <message>
        <source>The tension of the higher-tension side is no number: type it in figures, such as 120. No stretch or length to buy comes from it.</source>
        <extracomment>The lacing note on the tension typed for the higher-tension side (as in string list 140&apos;s &quot;Tension of the higher-tension side&quot;). ^1 to ^2: the range&apos;s two numbers; ^3: the unit it was typed in, ^4 the other one (the unit popup&apos;s words, kgf or N).</extracomment>
        <translation>La tension du côté le plus tendu n’est pas un nombre&#xa0;: tapez-la en chiffres, par exemple 120. Elle ne donne ni allongement ni longueur à acheter.</translation>
    </message>
    <message>
        <source>No spoke or rim takes a tension outside ^1 to ^2 ^3 on the higher-tension side: no stretch or length to buy comes from it.</source>
        <translation>Aucun rayon ni aucune jante ne supporte une tension hors de la plage de ^1 à ^2 ^3 du côté le plus tendu&#xa0;: elle ne donne ni allongement ni longueur à acheter.</translation>
    </message>
    <message>
        <source>No spoke or rim takes a tension outside ^1 to ^2 ^3 on the higher-tension side; in ^4 it would be inside: is the unit right? No stretch or length to buy comes from it.</source>
        <translation>Aucun rayon ni aucune jante ne supporte une tension hors de la plage de ^1 à ^2 ^3 du côté le plus tendu&#xa0;; en ^4, elle y serait&#xa0;: l’unité est-elle la bonne&#xa0;? Elle ne donne ni allongement ni longueur à acheter.</translation>
    </message>
</context>
<context>
    <name>strings 159</name>
    <message>
        <source>The rim&apos;s diameter at the spoke ends (ERD) must be a number above 0: these lengths fit no wheel.</source>
        <extracomment>The lacing note on rim and hub figures no wheel has (the first four), and why the build sheet and the lacing diagram show no lacing (the last four). ^1 is a side&apos;s number (1 or 2), numbers in mm are written as the form writes them (&quot;300,00&quot;); in the fourth, ^1 is the offset and ^2 the side.</extracomment>
        <translation>Le diamètre de la jante en bout de rayons (ERD) doit être un nombre supérieur à 0&#xa0;: ces longueurs ne conviennent à aucune roue.</translation>
    </message>
    <message>
        <source>Side ^1&apos;s flange, ^2 mm across, is as wide as the rim (ERD ^3 mm) or wider: these lengths fit no wheel.</source>
        <translation>Le flasque côté ^1, de ^2 mm de diamètre, est aussi large que la jante (ERD ^3 mm) ou plus&#xa0;: ces longueurs ne conviennent à aucune roue.</translation>
    </message>
    <message>
        <source>Side ^1&apos;s flange distance from the centre, ^2 mm, must be above 0: these lengths fit no wheel.</source>
        <translation>La distance du flasque au centre, côté ^1, ^2 mm, doit être supérieure à 0&#xa0;: ces longueurs ne conviennent à aucune roue.</translation>
    </message>
    <message>
        <source>The rim&apos;s spoke hole offset, ^1 mm, reaches side ^2&apos;s flange distance (^3 mm) or past it: that side&apos;s spokes would lie flat, so these lengths fit no wheel.</source>
        <translation>Le décalage des trous de rayons de la jante, ^1 mm, atteint ou dépasse la distance du flasque côté ^2 (^3 mm)&#xa0;: les rayons de ce côté seraient à plat, donc ces longueurs ne conviennent à aucune roue.</translation>
    </message>
    <message>
        <source>No lacing: side ^1&apos;s ^2 spokes cannot be crossed, as a crossed side needs an even number of spokes. Lace that side radial or choose another spoke count.</source>
        <translation>Pas de rayonnage&#xa0;: les ^2 rayons du côté ^1 ne peuvent être croisés, car un côté croisé demande un nombre pair de rayons. Rayonnez ce côté en radial ou choisissez un autre nombre de rayons.</translation>
    </message>
    <message>
        <source>No lacing: side ^1&apos;s ^2 spokes take at most ^3 crossings; with ^4 a spoke would reach round the hub to its own radial hole.</source>
        <translation>Pas de rayonnage&#xa0;: les ^2 rayons du côté ^1 admettent au plus ^3 croisements&#xa0;; avec ^4, un rayon ferait le tour du moyeu jusqu’à son propre trou radial.</translation>
    </message>
    <message>
        <source>No lacing: these spoke counts cannot be laced.</source>
        <translation>Pas de rayonnage&#xa0;: ces nombres de rayons n’en permettent aucun.</translation>
    </message>
    <message>
        <source>No lacing: a spoke length has no result.</source>
        <translation>Pas de rayonnage&#xa0;: une longueur de rayons n’a pas de résultat.</translation>
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
