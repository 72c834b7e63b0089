<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>lumenary::AboutBox</name>
    <message>
        <source>In this lab students explore the basics of reflection and refraction of light with mirrors, lenses, drops and prisms. Designed by the Varnel Lumenary team, December 2026.</source>
        <translation>In diesem Labor erkunden Studierende Reflexion und Brechung des Lichts an Spiegeln, Linsen, Tropfen und Prismen. Entworfen vom Team Varnel Lumenary, Dezember 2026.</translation>
    </message>
    <message>
        <source>Warning: this program was written in one week. It is not free of errors, and it is being tried out on the students of this course. If something looks wrong, tell your instructor.</source>
        <translation>Achtung: Dieses Programm wurde in einer Woche geschrieben. Es ist nicht fehlerfrei und wird gerade mit den Studierenden dieses Kurses erprobt. Wenn Ihnen etwas falsch vorkommt, sagen Sie es Ihrer Lehrkraft.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>About Lumenary.Exe</source>
        <translation>Über Lumenary.Exe</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>lumenary::BasicsWindow</name>
    <message>
        <source>Reflection and Refraction</source>
        <translation>Reflexion und Brechung</translation>
    </message>
    <message>
        <source>The basics: reflection and refraction of a ray at the interface between two media</source>
        <translation>Die Grundlagen: Reflexion und Brechung eines Strahls an der Grenzfläche zweier Medien</translation>
    </message>
    <message>
        <source>Incident, reflected and refracted rays</source>
        <translation>Einfallender, reflektierter und gebrochener Strahl</translation>
    </message>
    <message>
        <source>Angle of Incidence</source>
        <translation>Einfalls­winkel</translation>
    </message>
    <message>
        <source>Angle of Reflection</source>
        <translation>Reflexions­winkel</translation>
    </message>
    <message>
        <source>Angle of Refraction</source>
        <translation>Brechungs­winkel</translation>
    </message>
    <message>
        <source>Medium 1 - Index of Refraction</source>
        <translation>Medium 1 - Brechungsindex</translation>
    </message>
    <message>
        <source>Medium 2 - Index of Refraction</source>
        <translation>Medium 2 - Brechungsindex</translation>
    </message>
    <message>
        <source>Animated Wavefronts</source>
        <translation>Wellenfronten (Film)</translation>
    </message>
    <message>
        <source>Reflection</source>
        <translation>Reflexion</translation>
    </message>
    <message>
        <source>Refraction</source>
        <translation>Brechung</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>lumenary::DepthWindow</name>
    <message>
        <source>Reflection and Refraction</source>
        <translation>Reflexion und Brechung</translation>
    </message>
    <message>
        <source>Apparent depth: a fish seen from above the water, the moon seen from below it</source>
        <translation>Scheinbare Tiefe: ein Fisch, von oberhalb des Wassers gesehen, und der Mond, von unterhalb gesehen</translation>
    </message>
    <message>
        <source>Fish under water, moon above it, and the rays seen</source>
        <translation>Fisch unter Wasser, Mond darüber und die gesehenen Strahlen</translation>
    </message>
    <message>
        <source>Angle of Incidence</source>
        <translation>Einfalls­winkel</translation>
    </message>
    <message>
        <source>Angle of Refraction</source>
        <translation>Brechungs­winkel</translation>
    </message>
    <message>
        <source>Medium 1 - Index of Refraction</source>
        <translation>Medium 1 - Brechungsindex</translation>
    </message>
    <message>
        <source>Medium 2 - Index of Refraction</source>
        <translation>Medium 2 - Brechungsindex</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>lumenary::DiagramDescription</name>
    <message>
        <source>Object %1 units in front of the mirror</source>
        <translation>Gegenstand %1 Einheiten vor dem Spiegel</translation>
    </message>
    <message>
        <source>Object %1 units behind the mirror</source>
        <translation>Gegenstand %1 Einheiten hinter dem Spiegel</translation>
    </message>
    <message>
        <source>Object %1 units left of the lens</source>
        <translation>Gegenstand %1 Einheiten links der Linse</translation>
    </message>
    <message>
        <source>Object %1 units right of the lens</source>
        <translation>Gegenstand %1 Einheiten rechts der Linse</translation>
    </message>
    <message>
        <source>, image %1 units in front of it, %2</source>
        <translation>, Bild %1 Einheiten davor, %2</translation>
    </message>
    <message>
        <source>, image %1 units behind it, %2</source>
        <translation>, Bild %1 Einheiten dahinter, %2</translation>
    </message>
    <message>
        <source>, image %1 units right of it, %2</source>
        <translation>, Bild %1 Einheiten rechts davon, %2</translation>
    </message>
    <message>
        <source>, image %1 units left of it, %2</source>
        <translation>, Bild %1 Einheiten links davon, %2</translation>
    </message>
    <message>
        <source>real and upright.</source>
        <translation>reell und aufrecht.</translation>
    </message>
    <message>
        <source>virtual and upright.</source>
        <translation>virtuell und aufrecht.</translation>
    </message>
    <message>
        <source>real and inverted.</source>
        <translation>reell und umgekehrt.</translation>
    </message>
    <message>
        <source>virtual and inverted.</source>
        <translation>virtuell und umgekehrt.</translation>
    </message>
    <message>
        <source>real.</source>
        <translation>reell.</translation>
    </message>
    <message>
        <source>virtual.</source>
        <translation>virtuell.</translation>
    </message>
    <message>
        <source>%1, no image.</source>
        <translation>%1, kein Bild.</translation>
    </message>
</context>
<context>
    <name>lumenary::DropDescription</name>
    <message>
        <source>No ray traced at height %1: the number of internal reflections is not usable.</source>
        <translation>Kein Strahl in Höhe %1 verfolgt: Die Zahl der inneren Reflexionen ist nicht verwendbar.</translation>
    </message>
    <message>
        <source>No ray traced at height %1: the drop must be optically denser than its surroundings.</source>
        <translation>Kein Strahl in Höhe %1 verfolgt: Der Tropfen muss optisch dichter sein als seine Umgebung.</translation>
    </message>
    <message>
        <source>Ray at height %1 enters the drop at %2 degrees, refracts to %3 degrees, is reflected %4 time inside and leaves deviated by %5 degrees.</source>
        <translation>Der Strahl in Höhe %1 tritt unter %2 Grad in den Tropfen ein, wird auf %3 Grad gebrochen, %4-mal innen reflektiert und verlässt ihn um %5 Grad abgelenkt.</translation>
    </message>
    <message>
        <source>Ray at height %1 enters the drop at %2 degrees, refracts to %3 degrees, is reflected %4 times inside and leaves deviated by %5 degrees.</source>
        <translation>Der Strahl in Höhe %1 tritt unter %2 Grad in den Tropfen ein, wird auf %3 Grad gebrochen, %4-mal innen reflektiert und verlässt ihn um %5 Grad abgelenkt.</translation>
    </message>
</context>
<context>
    <name>lumenary::ExportActions</name>
    <message>
        <source>Save Picture As</source>
        <translation>Bild speichern unter</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save Picture As…</source>
        <translation>Bild speichern unter…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Copy Values</source>
        <translation>Werte kopieren</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”.

%2</source>
        <translation>Das Bild konnte nicht als „%1“ gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>The picture could not be printed.</source>
        <translation>Das Bild konnte nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>lumenary::ExternalOpen</name>
    <message>
        <source>Could not open the file %1.</source>
        <translation>Die Datei %1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Could not open %1.</source>
        <translation>%1 konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>lumenary::InstructionsViewer</name>
    <message>
        <source>Lumenary Instructions</source>
        <translation>Lumenary-Anleitung</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>The instructions document &quot;%1&quot; was not found in any of these folders: %2.</source>
        <translation>Die Anleitung „%1“ wurde in keinem dieser Ordner gefunden: %2.</translation>
    </message>
    <message>
        <source>The instructions document &quot;%1&quot; could not be read as a rich-text document.</source>
        <translation>Die Anleitung „%1“ konnte nicht als RTF-Dokument gelesen werden.</translation>
    </message>
</context>
<context>
    <name>lumenary::LanguageChoice</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System Language (%1)</source>
        <translation>Systemsprache (%1)</translation>
    </message>
</context>
<context>
    <name>lumenary::Launcher</name>
    <message>
        <source>Quit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>From the Exploratorium</source>
        <translation>Aus dem Exploratorium</translation>
    </message>
    <message>
        <source>See the Geometry Center</source>
        <translation>Zum Geometry Center</translation>
    </message>
    <message>
        <source>Web Physics Sites</source>
        <translation>Physik im Web</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Explore</source>
        <translation>Entdecken</translation>
    </message>
    <message>
        <source>Plane Mirrors</source>
        <translation>Ebene Spiegel</translation>
    </message>
    <message>
        <source>Concave Mirrors</source>
        <translation>Hohlspiegel</translation>
    </message>
    <message>
        <source>Convex Mirrors</source>
        <translation>Wölbspiegel</translation>
    </message>
    <message>
        <source>Apparent Depth</source>
        <translation>Scheinbare Tiefe</translation>
    </message>
    <message>
        <source>Thin Lenses</source>
        <translation>Dünne Linsen</translation>
    </message>
    <message>
        <source>The Basics</source>
        <translation>Grundlagen</translation>
    </message>
    <message>
        <source>Prism</source>
        <translation>Prisma</translation>
    </message>
    <message>
        <source>Sphere</source>
        <translation>Kugel</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Prism Spectrum</source>
        <translation>Prismenspektrum</translation>
    </message>
    <message>
        <source>Rainbow Colours</source>
        <translation>Regenbogenfarben</translation>
    </message>
</context>
<context>
    <name>lumenary::MaterialsTable</name>
    <message>
        <source>vacuum</source>
        <translation>Vakuum</translation>
    </message>
    <message>
        <source>air</source>
        <translation>Luft</translation>
    </message>
    <message>
        <source>water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>acetone</source>
        <translation>Aceton</translation>
    </message>
    <message>
        <source>ethanol</source>
        <translation>Ethanol</translation>
    </message>
    <message>
        <source>sugar solution</source>
        <translation>Zuckerlösung</translation>
    </message>
    <message>
        <source>quartz glass</source>
        <translation>Quarzglas</translation>
    </message>
    <message>
        <source>benzol</source>
        <translation>Benzol</translation>
    </message>
    <message>
        <source>typical crown glass</source>
        <translation>Kronglas (typisch)</translation>
    </message>
    <message>
        <source>sodium chloride</source>
        <translation>Natriumchlorid</translation>
    </message>
    <message>
        <source>ploystyrene</source>
        <translation>Polystyrol</translation>
    </message>
    <message>
        <source>heavy flint glass</source>
        <translation>Schwerflintglas</translation>
    </message>
    <message>
        <source>saffire</source>
        <translation>Saphir</translation>
    </message>
    <message>
        <source>heaviest flint glass</source>
        <translation>Schwerstflintglas</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>Diamant</translation>
    </message>
</context>
<context>
    <name>lumenary::MediumChooser</name>
    <message>
        <source>Medium %1</source>
        <translation>Medium %1</translation>
    </message>
    <message>
        <source>Medium %1 - Index of Refraction</source>
        <translation>Medium %1 - Brechungsindex</translation>
    </message>
</context>
<context>
    <name>lumenary::MirrorDescription</name>
    <message>
        <source>Plane mirror along y = 0, object at %1, no rays yet.</source>
        <translation>Ebener Spiegel entlang y = 0, Gegenstand bei %1, noch keine Strahlen.</translation>
    </message>
    <message>
        <source>Mirror 1 along the x axis and mirror 2 at %1 degrees to it, object at %2, no rays yet.</source>
        <translation>Spiegel 1 entlang der x-Achse und Spiegel 2 unter %1 Grad dazu, Gegenstand bei %2, noch keine Strahlen.</translation>
    </message>
    <message>
        <source>No ray to the eye at %1: it must be above the mirror and left of the object.</source>
        <translation>Kein Strahl zum Auge bei %1: Es muss über dem Spiegel und links vom Gegenstand liegen.</translation>
    </message>
    <message>
        <source>Ray from the object reflects off the mirror at x = %1 and reaches the eye at %2.</source>
        <translation>Der Strahl vom Gegenstand wird bei x = %1 am Spiegel reflektiert und erreicht das Auge bei %2.</translation>
    </message>
    <message>
        <source>No ray to the eye at %1: it is outside the wedge between the mirrors.</source>
        <translation>Kein Strahl zum Auge bei %1: Es liegt außerhalb des Winkels zwischen den Spiegeln.</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>off mirror 1 at %1</source>
        <translation>an Spiegel 1 bei %1</translation>
    </message>
    <message>
        <source>off mirror 2 at %1</source>
        <translation>an Spiegel 2 bei %1</translation>
    </message>
    <message>
        <source>off mirror 1 at %1 then mirror 2 at %2</source>
        <translation>an Spiegel 1 bei %1, dann an Spiegel 2 bei %2</translation>
    </message>
    <message>
        <source>off mirror 2 at %1 then mirror 1 at %2</source>
        <translation>an Spiegel 2 bei %1, dann an Spiegel 1 bei %2</translation>
    </message>
    <message>
        <source>No ticked path reaches the eye at %1.</source>
        <translation>Kein angekreuzter Weg erreicht das Auge bei %1.</translation>
    </message>
    <message>
        <source>Rays from the object to the eye at %1 reflect %2.</source>
        <translation>Strahlen vom Gegenstand zum Auge bei %1 werden reflektiert: %2.</translation>
    </message>
</context>
<context>
    <name>lumenary::PictureExport</name>
    <message>
        <source>Drawn by Varnel Lumenary.</source>
        <translation>Gezeichnet mit Varnel Lumenary.</translation>
    </message>
    <message>
        <source>Pictures are saved as PNG, SVG or PDF files: end the name with .png, .svg or .pdf.</source>
        <translation>Bilder werden als PNG-, SVG- oder PDF-Dateien gespeichert: Der Name muss auf .png, .svg oder .pdf enden.</translation>
    </message>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>Das Bild konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>The file could not be written whole.</source>
        <translation>Die Datei konnte nicht vollständig geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>lumenary::PictureSource</name>
    <message>
        <source>The drawing holds more than %1 lines and points; it is embedded as an image at twice the on-screen resolution.</source>
        <translation>Die Zeichnung enthält mehr als %1 Linien und Punkte; sie ist als Bild in doppelter Bildschirmauflösung eingebettet.</translation>
    </message>
</context>
<context>
    <name>lumenary::PlaneMirrorWindow</name>
    <message>
        <source>Plane Mirrors</source>
        <translation>Ebene Spiegel</translation>
    </message>
    <message>
        <source>Mirrors, object and rays</source>
        <translation>Spiegel, Gegenstand und Strahlen</translation>
    </message>
    <message>
        <source>Plane Mirror</source>
        <translation>Ebener Spiegel</translation>
    </message>
    <message>
        <source>Two Mirrors</source>
        <translation>Zwei Spiegel</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Angle between Mirrors</source>
        <translation>Öffnungswinkel</translation>
    </message>
    <message>
        <source>Single Reflection</source>
        <translation>Einfache Reflexion</translation>
    </message>
    <message>
        <source>Mirror 1</source>
        <translation>Sp. 1</translation>
    </message>
    <message>
        <source>Mirror 2</source>
        <translation>Sp. 2</translation>
    </message>
    <message>
        <source>Double Reflection</source>
        <translation>Doppelte Reflexion</translation>
    </message>
</context>
<context>
    <name>lumenary::PlotWidget</name>
    <message>
        <source>x = %1, y = %2</source>
        <translation>x = %1; y = %2</translation>
    </message>
</context>
<context>
    <name>lumenary::PrismDescription</name>
    <message>
        <source>left</source>
        <translation>linke</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechte</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>untere</translation>
    </message>
    <message>
        <source>Prism of apex angle %1 degrees, turned by %2 degrees.</source>
        <translation>Prisma mit dem Prismenwinkel %1 Grad, um %2 Grad gedreht.</translation>
    </message>
    <message>
        <source>The ray at height %1 finds no way into the prism.</source>
        <translation>Der Strahl in Höhe %1 findet keinen Weg in das Prisma.</translation>
    </message>
    <message>
        <source>The ray at height %1 enters the %2 face and ends inside.</source>
        <translation>Der Strahl in Höhe %1 tritt durch die %2 Fläche ein und endet im Inneren.</translation>
    </message>
    <message>
        <source>The ray at height %1 enters the %2 face; total internal reflection at the %3 face: no refracted ray.</source>
        <translation>Der Strahl in Höhe %1 tritt durch die %2 Fläche ein; die %3 Fläche reflektiert ihn total: kein gebrochener Strahl.</translation>
    </message>
    <message>
        <source>The ray at height %1 enters the %2 face and leaves through the %3 face at %4 degrees.</source>
        <translation>Der Strahl in Höhe %1 tritt durch die %2 Fläche ein und durch die %3 Fläche unter %4 Grad aus.</translation>
    </message>
    <message>
        <source>%1 of %2 rays meet the prism: %3 leave it, %4 are totally reflected inside; the last to leave heads at %5 degrees.</source>
        <translation>%1 von %2 Strahlen treffen das Prisma: %3 verlassen es, %4 werden innen totalreflektiert; der zuletzt austretende läuft unter %5 Grad.</translation>
    </message>
    <message>
        <source>%1 of %2 rays meet the prism: %3 leave it, %4 are totally reflected inside.</source>
        <translation>%1 von %2 Strahlen treffen das Prisma: %3 verlassen es, %4 werden innen totalreflektiert.</translation>
    </message>
</context>
<context>
    <name>lumenary::PrismWindow</name>
    <message>
        <source>Prism</source>
        <translation>Prisma</translation>
    </message>
    <message>
        <source>Prism and rays</source>
        <translation>Prisma und Strahlen</translation>
    </message>
    <message>
        <source>Prism rotation</source>
        <translation>Drehung des Prismas</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Drehwinkel</translation>
    </message>
    <message>
        <source>Plot Prism</source>
        <translation>Prisma zeichnen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Apex Angle</source>
        <translation>Prismenwinkel</translation>
    </message>
    <message>
        <source># Rays</source>
        <translation>Strahlen</translation>
    </message>
    <message>
        <source>Incident Rays Only</source>
        <translation>Nur auftreffende</translation>
    </message>
    <message>
        <source>Bottom Incident Rays</source>
        <translation>Einfall von unten</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Indices of Refraction</source>
        <translation>Brechungsindizes</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Prism</source>
        <comment>the prism&apos;s index</comment>
        <translation>Prisma</translation>
    </message>
    <message>
        <source>Plot One Ray</source>
        <translation>Strahl zeichnen</translation>
    </message>
    <message>
        <source>at height</source>
        <translation>in Höhe</translation>
    </message>
    <message>
        <source>Angle of Incidence</source>
        <translation>Einfalls­winkel</translation>
    </message>
    <message>
        <source>Angle of Refraction</source>
        <translation>Brechungs­winkel</translation>
    </message>
    <message>
        <source>Left Surface</source>
        <translation>Linke Fläche</translation>
    </message>
    <message>
        <source>Right Surface</source>
        <translation>Rechte Fläche</translation>
    </message>
    <message>
        <source>Bottom Surface</source>
        <translation>Grundfläche</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Deviation</translation>
    </message>
</context>
<context>
    <name>lumenary::RainbowWindow</name>
    <message>
        <source>Refraction and Reflection in a Spherical Drop</source>
        <translation>Brechung und Reflexion im kugelförmigen Tropfen</translation>
    </message>
    <message>
        <source>Ray through a spherical drop</source>
        <translation>Strahl durch einen kugelförmigen Tropfen</translation>
    </message>
    <message>
        <source>Incidence Height</source>
        <translation>Einfalls­höhe</translation>
    </message>
    <message>
        <source>Clear Automatically</source>
        <translation>Automatisch löschen</translation>
    </message>
    <message>
        <source># Internal Reflections</source>
        <translation>Innere Reflexionen</translation>
    </message>
    <message>
        <source>Indices of Refraction </source>
        <translation>Brechungsindizes</translation>
    </message>
    <message>
        <source>Angle of Incidence</source>
        <translation>Einfalls­winkel</translation>
    </message>
    <message>
        <source>Angle of Refraction</source>
        <translation>Winkel der Brechung</translation>
    </message>
    <message>
        <source>Angle of Deviation</source>
        <translation>Ablenk­winkel</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>lumenary::RayDiagramWindow</name>
    <message>
        <source>Ray diagram: %1</source>
        <translation>Strahlenkonstruktion: %1</translation>
    </message>
    <message>
        <source>Object Position</source>
        <translation>Gegenstand</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>x-range</source>
        <translation>x-Bereich</translation>
    </message>
    <message>
        <source>y-range</source>
        <translation>y-Bereich</translation>
    </message>
    <message>
        <source>left edge</source>
        <translation>linker Rand</translation>
    </message>
    <message>
        <source>right edge</source>
        <translation>rechter Rand</translation>
    </message>
    <message>
        <source>bottom edge</source>
        <translation>unterer Rand</translation>
    </message>
    <message>
        <source>top edge</source>
        <translation>oberer Rand</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Clear Plot</source>
        <translation>Grafik löschen</translation>
    </message>
    <message>
        <source>Setup system</source>
        <translation>Neu aufbauen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>Thin Lenses</source>
        <translation>Dünne Linsen</translation>
    </message>
    <message>
        <source>Spherical Mirrors - Concave</source>
        <translation>Kugelspiegel - konkav</translation>
    </message>
    <message>
        <source>Spherical Mirrors - Convex</source>
        <translation>Kugelspiegel - konvex</translation>
    </message>
</context>
<context>
    <name>lumenary::RefractionDescription</name>
    <message>
        <source>Incident ray at %1 degrees to the normal, reflected ray at %1 degrees, total internal reflection: no refracted ray.</source>
        <translation>Einfallender Strahl unter %1 Grad zum Lot, reflektierter Strahl unter %1 Grad, Totalreflexion: kein gebrochener Strahl.</translation>
    </message>
    <message>
        <source>Incident ray at %1 degrees to the normal, reflected ray at %1 degrees, refracted ray at %2 degrees.</source>
        <translation>Einfallender Strahl unter %1 Grad zum Lot, reflektierter Strahl unter %1 Grad, gebrochener Strahl unter %2 Grad.</translation>
    </message>
    <message>
        <source>Total internal reflection: no ray from the fish reaches the eye at %1.</source>
        <translation>Totalreflexion: Kein Strahl vom Fisch erreicht das Auge bei %1.</translation>
    </message>
    <message>
        <source>Total internal reflection: no ray from the moon reaches the eye at %1.</source>
        <translation>Totalreflexion: Kein Strahl vom Mond erreicht das Auge bei %1.</translation>
    </message>
    <message>
        <source>The eye at %1 sees the fish at %2 by a ray crossing the interface at x = %3; its image appears at %4.</source>
        <translation>Das Auge bei %1 sieht den Fisch bei %2 über einen Strahl, der die Grenzfläche bei x = %3 kreuzt; sein Bild erscheint bei %4.</translation>
    </message>
    <message>
        <source>The eye at %1 sees the moon at %2 by a ray crossing the interface at x = %3; its image appears at %4.</source>
        <translation>Das Auge bei %1 sieht den Mond bei %2 über einen Strahl, der die Grenzfläche bei x = %3 kreuzt; sein Bild erscheint bei %4.</translation>
    </message>
</context>
<context>
    <name>lumenary::WindowValues</name>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
</context>
</TS>
