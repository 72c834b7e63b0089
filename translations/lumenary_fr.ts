<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>lumenary::AboutBox</name>
    <message>
        <source>In this lab students explore the basics of reflection and refraction of light with mirrors, lenses, drops and prisms. Designed by the Varnel Lumenary team, December 2026.</source>
        <translation>Dans ce laboratoire, les étudiants explorent la réflexion et la réfraction de la lumière avec miroirs, lentilles, gouttes et prismes. Conçu par l’équipe Varnel Lumenary, décembre 2026.</translation>
    </message>
    <message>
        <source>Warning: this program was written in one week. It is not free of errors, and it is being tried out on the students of this course. If something looks wrong, tell your instructor.</source>
        <translation>Attention&#xa0;: ce programme a été écrit en une semaine. Il n’est pas exempt d’erreurs et il est mis à l’essai auprès des étudiants de ce cours. Si quelque chose vous paraît faux, signalez-le à votre enseignant.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Infos &amp;système...</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>About Lumenary.Exe</source>
        <translation>À propos de Lumenary.Exe</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>lumenary::BasicsWindow</name>
    <message>
        <source>Reflection and Refraction</source>
        <translation>Réflexion et réfraction</translation>
    </message>
    <message>
        <source>The basics: reflection and refraction of a ray at the interface between two media</source>
        <translation>Les bases&#xa0;: réflexion et réfraction d’un rayon à la surface entre deux milieux</translation>
    </message>
    <message>
        <source>Incident, reflected and refracted rays</source>
        <translation>Rayons incident, réfléchi et réfracté</translation>
    </message>
    <message>
        <source>Angle of Incidence</source>
        <translation>Angle d’incidence</translation>
    </message>
    <message>
        <source>Angle of Reflection</source>
        <translation>Angle de réflexion</translation>
    </message>
    <message>
        <source>Angle of Refraction</source>
        <translation>Angle de réfraction</translation>
    </message>
    <message>
        <source>Medium 1 - Index of Refraction</source>
        <translation>Milieu 1 - Indice de réfraction</translation>
    </message>
    <message>
        <source>Medium 2 - Index of Refraction</source>
        <translation>Milieu 2 - Indice de réfraction</translation>
    </message>
    <message>
        <source>Animated Wavefronts</source>
        <translation>Fronts d’onde animés</translation>
    </message>
    <message>
        <source>Reflection</source>
        <translation>Réflexion</translation>
    </message>
    <message>
        <source>Refraction</source>
        <translation>Réfraction</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>lumenary::DepthWindow</name>
    <message>
        <source>Reflection and Refraction</source>
        <translation>Réflexion et réfraction</translation>
    </message>
    <message>
        <source>Apparent depth: a fish seen from above the water, the moon seen from below it</source>
        <translation>Profondeur apparente&#xa0;: un poisson vu d’au-dessus de l’eau, la lune vue d’en dessous</translation>
    </message>
    <message>
        <source>Fish under water, moon above it, and the rays seen</source>
        <translation>Poisson sous l’eau, lune au-dessus, et les rayons vus</translation>
    </message>
    <message>
        <source>Angle of Incidence</source>
        <translation>Angle d’incidence</translation>
    </message>
    <message>
        <source>Angle of Refraction</source>
        <translation>Angle de réfraction</translation>
    </message>
    <message>
        <source>Medium 1 - Index of Refraction</source>
        <translation>Milieu 1 - Indice de réfraction</translation>
    </message>
    <message>
        <source>Medium 2 - Index of Refraction</source>
        <translation>Milieu 2 - Indice de réfraction</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>lumenary::DiagramDescription</name>
    <message>
        <source>Object %1 units in front of the mirror</source>
        <translation>Objet à %1 unités devant le miroir</translation>
    </message>
    <message>
        <source>Object %1 units behind the mirror</source>
        <translation>Objet à %1 unités derrière le miroir</translation>
    </message>
    <message>
        <source>Object %1 units left of the lens</source>
        <translation>Objet à %1 unités à gauche de la lentille</translation>
    </message>
    <message>
        <source>Object %1 units right of the lens</source>
        <translation>Objet à %1 unités à droite de la lentille</translation>
    </message>
    <message>
        <source>, image %1 units in front of it, %2</source>
        <translation>, image à %1 unités devant celui-ci, %2</translation>
    </message>
    <message>
        <source>, image %1 units behind it, %2</source>
        <translation>, image à %1 unités derrière celui-ci, %2</translation>
    </message>
    <message>
        <source>, image %1 units right of it, %2</source>
        <translation>, image à %1 unités à droite de celle-ci, %2</translation>
    </message>
    <message>
        <source>, image %1 units left of it, %2</source>
        <translation>, image à %1 unités à gauche de celle-ci, %2</translation>
    </message>
    <message>
        <source>real and upright.</source>
        <translation>réelle et droite.</translation>
    </message>
    <message>
        <source>virtual and upright.</source>
        <translation>virtuelle et droite.</translation>
    </message>
    <message>
        <source>real and inverted.</source>
        <translation>réelle et renversée.</translation>
    </message>
    <message>
        <source>virtual and inverted.</source>
        <translation>virtuelle et renversée.</translation>
    </message>
    <message>
        <source>real.</source>
        <translation>réelle.</translation>
    </message>
    <message>
        <source>virtual.</source>
        <translation>virtuelle.</translation>
    </message>
    <message>
        <source>%1, no image.</source>
        <translation>%1, pas d’image.</translation>
    </message>
</context>
<context>
    <name>lumenary::DropDescription</name>
    <message>
        <source>No ray traced at height %1: the number of internal reflections is not usable.</source>
        <translation>Aucun rayon suivi à la hauteur %1&#xa0;: le nombre de réflexions internes n’est pas utilisable.</translation>
    </message>
    <message>
        <source>No ray traced at height %1: the drop must be optically denser than its surroundings.</source>
        <translation>Aucun rayon suivi à la hauteur %1&#xa0;: la goutte doit être plus réfringente que le milieu qui l’entoure.</translation>
    </message>
    <message>
        <source>Ray at height %1 enters the drop at %2 degrees, refracts to %3 degrees, is reflected %4 time inside and leaves deviated by %5 degrees.</source>
        <translation>Le rayon à la hauteur %1 entre dans la goutte sous %2 degrés, est réfracté à %3 degrés, est réfléchi %4 fois à l’intérieur et ressort dévié de %5 degrés.</translation>
    </message>
    <message>
        <source>Ray at height %1 enters the drop at %2 degrees, refracts to %3 degrees, is reflected %4 times inside and leaves deviated by %5 degrees.</source>
        <translation>Le rayon à la hauteur %1 entre dans la goutte sous %2 degrés, est réfracté à %3 degrés, est réfléchi %4 fois à l’intérieur et ressort dévié de %5 degrés.</translation>
    </message>
</context>
<context>
    <name>lumenary::ExportActions</name>
    <message>
        <source>Save Picture As</source>
        <translation>Enregistrer l’image sous</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save Picture As…</source>
        <translation>Enregistrer l’image sous…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Copy Values</source>
        <translation>Copier les valeurs</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”.

%2</source>
        <translation>L’image n’a pas pu être enregistrée sous «&#xa0;%1&#xa0;».

%2</translation>
    </message>
    <message>
        <source>The picture could not be printed.</source>
        <translation>L’image n’a pas pu être imprimée.</translation>
    </message>
</context>
<context>
    <name>lumenary::ExternalOpen</name>
    <message>
        <source>Could not open the file %1.</source>
        <translation>Impossible d’ouvrir le fichier %1.</translation>
    </message>
    <message>
        <source>Could not open %1.</source>
        <translation>Impossible d’ouvrir %1.</translation>
    </message>
</context>
<context>
    <name>lumenary::InstructionsViewer</name>
    <message>
        <source>Lumenary Instructions</source>
        <translation>Mode d’emploi de Lumenary</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Mode d’emploi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The instructions document &quot;%1&quot; was not found in any of these folders: %2.</source>
        <translation>Le mode d’emploi «&#xa0;%1&#xa0;» n’a été trouvé dans aucun de ces dossiers&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The instructions document &quot;%1&quot; could not be read as a rich-text document.</source>
        <translation>Le mode d’emploi «&#xa0;%1&#xa0;» n’a pas pu être lu comme document RTF.</translation>
    </message>
</context>
<context>
    <name>lumenary::LanguageChoice</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System Language (%1)</source>
        <translation>Langue du système (%1)</translation>
    </message>
</context>
<context>
    <name>lumenary::Launcher</name>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>From the Exploratorium</source>
        <translation>De l’Exploratorium</translation>
    </message>
    <message>
        <source>See the Geometry Center</source>
        <translation>Voir le Geometry Center</translation>
    </message>
    <message>
        <source>Web Physics Sites</source>
        <translation>Sites de physique</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Explore</source>
        <translation>Explorer</translation>
    </message>
    <message>
        <source>Plane Mirrors</source>
        <translation>Miroirs plans</translation>
    </message>
    <message>
        <source>Concave Mirrors</source>
        <translation>Miroirs concaves</translation>
    </message>
    <message>
        <source>Convex Mirrors</source>
        <translation>Miroirs convexes</translation>
    </message>
    <message>
        <source>Apparent Depth</source>
        <translation>Profondeur apparente</translation>
    </message>
    <message>
        <source>Thin Lenses</source>
        <translation>Lentilles minces</translation>
    </message>
    <message>
        <source>The Basics</source>
        <translation>Les bases</translation>
    </message>
    <message>
        <source>Prism</source>
        <translation>Prisme</translation>
    </message>
    <message>
        <source>Sphere</source>
        <translation>Sphère</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Mode d’emploi</translation>
    </message>
    <message>
        <source>Prism Spectrum</source>
        <translation>Spectre du prisme</translation>
    </message>
    <message>
        <source>Rainbow Colours</source>
        <translation>Couleurs de l’arc-en-ciel</translation>
    </message>
</context>
<context>
    <name>lumenary::MaterialsTable</name>
    <message>
        <source>vacuum</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>air</source>
        <translation>air</translation>
    </message>
    <message>
        <source>water</source>
        <translation>eau</translation>
    </message>
    <message>
        <source>acetone</source>
        <translation>acétone</translation>
    </message>
    <message>
        <source>ethanol</source>
        <translation>éthanol</translation>
    </message>
    <message>
        <source>sugar solution</source>
        <translation>solution sucrée</translation>
    </message>
    <message>
        <source>quartz glass</source>
        <translation>verre de quartz</translation>
    </message>
    <message>
        <source>benzol</source>
        <translation>benzène</translation>
    </message>
    <message>
        <source>typical crown glass</source>
        <translation>crown usuel</translation>
    </message>
    <message>
        <source>sodium chloride</source>
        <translation>sel (NaCl)</translation>
    </message>
    <message>
        <source>ploystyrene</source>
        <translation>polystyrène</translation>
    </message>
    <message>
        <source>heavy flint glass</source>
        <translation>flint lourd</translation>
    </message>
    <message>
        <source>saffire</source>
        <translation>saphir</translation>
    </message>
    <message>
        <source>heaviest flint glass</source>
        <translation>flint très lourd</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>diamant</translation>
    </message>
</context>
<context>
    <name>lumenary::MediumChooser</name>
    <message>
        <source>Medium %1</source>
        <translation>Milieu %1</translation>
    </message>
    <message>
        <source>Medium %1 - Index of Refraction</source>
        <translation>Milieu %1 - Indice de réfraction</translation>
    </message>
</context>
<context>
    <name>lumenary::MirrorDescription</name>
    <message>
        <source>Plane mirror along y = 0, object at %1, no rays yet.</source>
        <translation>Miroir plan le long de y = 0, objet en %1, pas encore de rayons.</translation>
    </message>
    <message>
        <source>Mirror 1 along the x axis and mirror 2 at %1 degrees to it, object at %2, no rays yet.</source>
        <translation>Miroir 1 le long de l’axe x et miroir 2 à %1 degrés de celui-ci, objet en %2, pas encore de rayons.</translation>
    </message>
    <message>
        <source>No ray to the eye at %1: it must be above the mirror and left of the object.</source>
        <translation>Aucun rayon vers l’œil en %1&#xa0;: il doit être au-dessus du miroir et à gauche de l’objet.</translation>
    </message>
    <message>
        <source>Ray from the object reflects off the mirror at x = %1 and reaches the eye at %2.</source>
        <translation>Le rayon issu de l’objet se réfléchit sur le miroir en x = %1 et atteint l’œil en %2.</translation>
    </message>
    <message>
        <source>No ray to the eye at %1: it is outside the wedge between the mirrors.</source>
        <translation>Aucun rayon vers l’œil en %1&#xa0;: il est hors de l’angle formé par les miroirs.</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1&#xa0;; %2</translation>
    </message>
    <message>
        <source>off mirror 1 at %1</source>
        <translation>sur le miroir 1 en %1</translation>
    </message>
    <message>
        <source>off mirror 2 at %1</source>
        <translation>sur le miroir 2 en %1</translation>
    </message>
    <message>
        <source>off mirror 1 at %1 then mirror 2 at %2</source>
        <translation>sur le miroir 1 en %1 puis sur le miroir 2 en %2</translation>
    </message>
    <message>
        <source>off mirror 2 at %1 then mirror 1 at %2</source>
        <translation>sur le miroir 2 en %1 puis sur le miroir 1 en %2</translation>
    </message>
    <message>
        <source>No ticked path reaches the eye at %1.</source>
        <translation>Aucun chemin coché n’atteint l’œil en %1.</translation>
    </message>
    <message>
        <source>Rays from the object to the eye at %1 reflect %2.</source>
        <translation>Les rayons de l’objet vers l’œil en %1 se réfléchissent %2.</translation>
    </message>
</context>
<context>
    <name>lumenary::PictureExport</name>
    <message>
        <source>Drawn by Varnel Lumenary.</source>
        <translation>Dessiné par Varnel Lumenary.</translation>
    </message>
    <message>
        <source>Pictures are saved as PNG, SVG or PDF files: end the name with .png, .svg or .pdf.</source>
        <translation>Les images sont enregistrées en fichiers PNG, SVG ou PDF : terminez le nom par .png, .svg ou .pdf.</translation>
    </message>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>L’image n’a pas pu être dessinée.</translation>
    </message>
    <message>
        <source>The file could not be written whole.</source>
        <translation>Le fichier n’a pas pu être écrit en entier.</translation>
    </message>
</context>
<context>
    <name>lumenary::PictureSource</name>
    <message>
        <source>The drawing holds more than %1 lines and points; it is embedded as an image at twice the on-screen resolution.</source>
        <translation>Le dessin compte plus de %1 lignes et points&#xa0;; il est intégré comme image au double de la résolution de l’écran.</translation>
    </message>
</context>
<context>
    <name>lumenary::PlaneMirrorWindow</name>
    <message>
        <source>Plane Mirrors</source>
        <translation>Miroirs plans</translation>
    </message>
    <message>
        <source>Mirrors, object and rays</source>
        <translation>Miroirs, objet et rayons</translation>
    </message>
    <message>
        <source>Plane Mirror</source>
        <translation>Miroir plan</translation>
    </message>
    <message>
        <source>Two Mirrors</source>
        <translation>Deux miroirs</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Angle between Mirrors</source>
        <translation>Angle entre miroirs</translation>
    </message>
    <message>
        <source>Single Reflection</source>
        <translation>Réflexion simple</translation>
    </message>
    <message>
        <source>Mirror 1</source>
        <translation>Miroir 1</translation>
    </message>
    <message>
        <source>Mirror 2</source>
        <translation>Miroir 2</translation>
    </message>
    <message>
        <source>Double Reflection</source>
        <translation>Réflexion double</translation>
    </message>
</context>
<context>
    <name>lumenary::PlotWidget</name>
    <message>
        <source>x = %1, y = %2</source>
        <translation>x = %1&#xa0;; y = %2</translation>
    </message>
</context>
<context>
    <name>lumenary::PrismDescription</name>
    <message>
        <source>left</source>
        <translation>gauche</translation>
    </message>
    <message>
        <source>right</source>
        <translation>droite</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>inférieure</translation>
    </message>
    <message>
        <source>Prism of apex angle %1 degrees, turned by %2 degrees.</source>
        <translation>Prisme d’angle %1 degrés, tourné de %2 degrés.</translation>
    </message>
    <message>
        <source>The ray at height %1 finds no way into the prism.</source>
        <translation>Le rayon à la hauteur %1 ne trouve pas d’entrée dans le prisme.</translation>
    </message>
    <message>
        <source>The ray at height %1 enters the %2 face and ends inside.</source>
        <translation>Le rayon à la hauteur %1 entre par la face %2 et s’arrête à l’intérieur.</translation>
    </message>
    <message>
        <source>The ray at height %1 enters the %2 face; total internal reflection at the %3 face: no refracted ray.</source>
        <translation>Le rayon à la hauteur %1 entre par la face %2&#xa0;; réflexion totale sur la face %3&#xa0;: pas de rayon réfracté.</translation>
    </message>
    <message>
        <source>The ray at height %1 enters the %2 face and leaves through the %3 face at %4 degrees.</source>
        <translation>Le rayon à la hauteur %1 entre par la face %2 et sort par la face %3 sous %4 degrés.</translation>
    </message>
    <message>
        <source>%1 of %2 rays meet the prism: %3 leave it, %4 are totally reflected inside; the last to leave heads at %5 degrees.</source>
        <translation>%1 rayons sur %2 atteignent le prisme&#xa0;: %3 en sortent, %4 subissent une réflexion totale à l’intérieur&#xa0;; le dernier à sortir part sous %5 degrés.</translation>
    </message>
    <message>
        <source>%1 of %2 rays meet the prism: %3 leave it, %4 are totally reflected inside.</source>
        <translation>%1 rayons sur %2 atteignent le prisme&#xa0;: %3 en sortent, %4 subissent une réflexion totale à l’intérieur.</translation>
    </message>
</context>
<context>
    <name>lumenary::PrismWindow</name>
    <message>
        <source>Prism</source>
        <translation>Prisme</translation>
    </message>
    <message>
        <source>Prism and rays</source>
        <translation>Prisme et rayons</translation>
    </message>
    <message>
        <source>Prism rotation</source>
        <translation>Rotation du prisme</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Angle de rotation</translation>
    </message>
    <message>
        <source>Plot Prism</source>
        <translation>Tracer le prisme</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Apex Angle</source>
        <translation>Angle A</translation>
    </message>
    <message>
        <source># Rays</source>
        <translation>Rayons</translation>
    </message>
    <message>
        <source>Incident Rays Only</source>
        <translation>Rayons utiles seuls</translation>
    </message>
    <message>
        <source>Bottom Incident Rays</source>
        <translation>Entrée par la base</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Indices of Refraction</source>
        <translation>Indices de réfraction</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>Prism</source>
        <comment>the prism&apos;s index</comment>
        <translation>Prisme</translation>
    </message>
    <message>
        <source>Plot One Ray</source>
        <translation>Tracer 1 rayon</translation>
    </message>
    <message>
        <source>at height</source>
        <translation>hauteur</translation>
    </message>
    <message>
        <source>Angle of Incidence</source>
        <translation>Angle d’incidence</translation>
    </message>
    <message>
        <source>Angle of Refraction</source>
        <translation>Angle de réfraction</translation>
    </message>
    <message>
        <source>Left Surface</source>
        <translation>Face gauche</translation>
    </message>
    <message>
        <source>Right Surface</source>
        <translation>Face droite</translation>
    </message>
    <message>
        <source>Bottom Surface</source>
        <translation>Face inférieure</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Déviation</translation>
    </message>
</context>
<context>
    <name>lumenary::RainbowWindow</name>
    <message>
        <source>Refraction and Reflection in a Spherical Drop</source>
        <translation>Réfraction et réflexion dans une goutte sphérique</translation>
    </message>
    <message>
        <source>Ray through a spherical drop</source>
        <translation>Rayon à travers une goutte sphérique</translation>
    </message>
    <message>
        <source>Incidence Height</source>
        <translation>Hauteur d’impact</translation>
    </message>
    <message>
        <source>Clear Automatically</source>
        <translation>Effacer chaque fois</translation>
    </message>
    <message>
        <source># Internal Reflections</source>
        <translation>Réflexions internes</translation>
    </message>
    <message>
        <source>Indices of Refraction </source>
        <translation>Indices de réfraction</translation>
    </message>
    <message>
        <source>Angle of Incidence</source>
        <translation>Incidence</translation>
    </message>
    <message>
        <source>Angle of Refraction</source>
        <translation>Angle de réfraction</translation>
    </message>
    <message>
        <source>Angle of Deviation</source>
        <translation>Angle de déviation</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>lumenary::RayDiagramWindow</name>
    <message>
        <source>Ray diagram: %1</source>
        <translation>Tracé de rayons&#xa0;: %1</translation>
    </message>
    <message>
        <source>Object Position</source>
        <translation>Place de l’objet</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>x-range</source>
        <translation>plage x</translation>
    </message>
    <message>
        <source>y-range</source>
        <translation>plage y</translation>
    </message>
    <message>
        <source>left edge</source>
        <translation>bord gauche</translation>
    </message>
    <message>
        <source>right edge</source>
        <translation>bord droit</translation>
    </message>
    <message>
        <source>bottom edge</source>
        <translation>bord inférieur</translation>
    </message>
    <message>
        <source>top edge</source>
        <translation>bord supérieur</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Clear Plot</source>
        <translation>Effacer le tracé</translation>
    </message>
    <message>
        <source>Setup system</source>
        <translation>Mise en place</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valeurs</translation>
    </message>
    <message>
        <source>Thin Lenses</source>
        <translation>Lentilles minces</translation>
    </message>
    <message>
        <source>Spherical Mirrors - Concave</source>
        <translation>Miroirs sphériques - concaves</translation>
    </message>
    <message>
        <source>Spherical Mirrors - Convex</source>
        <translation>Miroirs sphériques - convexes</translation>
    </message>
</context>
<context>
    <name>lumenary::RefractionDescription</name>
    <message>
        <source>Incident ray at %1 degrees to the normal, reflected ray at %1 degrees, total internal reflection: no refracted ray.</source>
        <translation>Rayon incident à %1 degrés de la normale, rayon réfléchi à %1 degrés, réflexion totale&#xa0;: pas de rayon réfracté.</translation>
    </message>
    <message>
        <source>Incident ray at %1 degrees to the normal, reflected ray at %1 degrees, refracted ray at %2 degrees.</source>
        <translation>Rayon incident à %1 degrés de la normale, rayon réfléchi à %1 degrés, rayon réfracté à %2 degrés.</translation>
    </message>
    <message>
        <source>Total internal reflection: no ray from the fish reaches the eye at %1.</source>
        <translation>Réflexion totale&#xa0;: aucun rayon du poisson n’atteint l’œil en %1.</translation>
    </message>
    <message>
        <source>Total internal reflection: no ray from the moon reaches the eye at %1.</source>
        <translation>Réflexion totale&#xa0;: aucun rayon de la lune n’atteint l’œil en %1.</translation>
    </message>
    <message>
        <source>The eye at %1 sees the fish at %2 by a ray crossing the interface at x = %3; its image appears at %4.</source>
        <translation>L’œil en %1 voit le poisson en %2 par un rayon qui traverse la surface en x = %3&#xa0;; son image apparaît en %4.</translation>
    </message>
    <message>
        <source>The eye at %1 sees the moon at %2 by a ray crossing the interface at x = %3; its image appears at %4.</source>
        <translation>L’œil en %1 voit la lune en %2 par un rayon qui traverse la surface en x = %3&#xa0;; son image apparaît en %4.</translation>
    </message>
</context>
<context>
    <name>lumenary::WindowValues</name>
    <message>
        <source>on</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>off</source>
        <translation>non</translation>
    </message>
</context>
</TS>
