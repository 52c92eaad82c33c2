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
        <translation>Dimension&#xa0;:</translation>
    </message>
    <message>
        <source>Rim size</source>
        <translation>Dimension de la jante</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Remarques&#xa0;:</translation>
    </message>
    <message>
        <source>Rim notes</source>
        <translation>Remarques sur la jante</translation>
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
        <source>Asymmetric rims: how far the spoke holes sit off the rim&apos;s centre, in mm. Positive toward side 2: the spoke bed moves nearer side 2&apos;s flange, so side 1&apos;s flange distance grows by the offset and side 2&apos;s shrinks by it.</source>
        <translation>Jantes asymétriques&#xa0;: de combien les trous de rayons sont décalés du centre de la jante, en mm. Positif vers le côté 2&#xa0;: le lit des rayons se rapproche du flasque du côté 2, donc la distance du flasque du côté 1 augmente du décalage et celle du côté 2 diminue d’autant.</translation>
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
        <translation>Remarques sur le moyeu</translation>
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
        <source>Spoke tension of this side as a share of the tighter side&apos;s: the two sides pull the rim sideways in balance</source>
        <translation>Tension des rayons de ce côté en part de celle du côté le plus tendu&#xa0;: les deux côtés tirent la jante latéralement en équilibre</translation>
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
        <translation>Coudé</translation>
    </message>
    <message>
        <source>Straight-pull</source>
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
        <translation>Angle des rayons&#xa0;:</translation>
    </message>
    <message>
        <source>Side 1 bracing angle</source>
        <translation>Angle des rayons, côté 1</translation>
    </message>
    <message>
        <source>The angle of this side&apos;s spokes to the wheel&apos;s plane: the larger, the stiffer the wheel sideways</source>
        <translation>L&apos;angle des rayons de ce côté avec le plan de la roue&#xa0;: plus il est grand, plus la roue est rigide latéralement</translation>
    </message>
    <message>
        <source>Side 2 bracing angle</source>
        <translation>Angle des rayons, côté 2</translation>
    </message>
    <message>
        <source>Lacing note</source>
        <translation>Remarque sur le rayonnage</translation>
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
        <translation>Côté ^1&#xa0;: ^2 croisements sur ses ^3 rayons vont à ^4° autour de la roue, au-delà d&apos;un quart de tour&#xa0;; les rayons passeraient sur leur propre flasque. Rayonnez-le avec moins de croisements.</translation>
    </message>
    <message>
        <source>Both sides: ^1 and ^2 crossings on ^3 and ^4 spokes reach past a quarter turn round the wheel, so the spokes would run across their own flanges. Lace them with fewer crossings.</source>
        <translation>Les deux côtés&#xa0;: ^1 et ^2 croisements sur ^3 et ^4 rayons vont au-delà d&apos;un quart de tour autour de la roue&#xa0;; les rayons passeraient sur leurs propres flasques. Rayonnez-les avec moins de croisements.</translation>
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
        <translation>Diamètre du cercle des appuis de tête (PCD)&#xa0;:</translation>
    </message>
    <message>
        <source>Head seat distance from the centre:</source>
        <translation>Distance des appuis de tête au centre&#xa0;:</translation>
    </message>
</context>
<context>
    <name>strings 131</name>
    <message>
        <source>^1°</source>
        <translation>^1°</translation>
    </message>
</context>
</TS>
