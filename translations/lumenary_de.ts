<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BenchFiles</name>
    <message>
        <source>The file could not be written whole.</source>
        <translation>Die Datei konnte nicht vollständig geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>BenchText</name>
    <message numerus="yes">
        <source>%n elements</source>
        <translation>
            <numerusform>%n Element</numerusform>
            <numerusform>%n Elemente</numerusform>
        </translation>
    </message>
    <message>
        <source>Ray</source>
        <translation>Strahl</translation>
    </message>
    <message>
        <source>Beam</source>
        <translation>Strahlenbündel</translation>
    </message>
    <message>
        <source>Point source</source>
        <translation>Punktquelle</translation>
    </message>
    <message>
        <source>Ideal lens</source>
        <translation>Ideale Linse</translation>
    </message>
    <message>
        <source>Spherical lens</source>
        <translation>Sphärische Linse</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegel</translation>
    </message>
    <message>
        <source>Arc mirror</source>
        <translation>Kreisbogenspiegel</translation>
    </message>
    <message>
        <source>Parabolic mirror</source>
        <translation>Parabolspiegel</translation>
    </message>
    <message>
        <source>Glass block</source>
        <translation>Glaskörper</translation>
    </message>
    <message>
        <source>Drop or ball lens</source>
        <translation>Tropfen oder Kugellinse</translation>
    </message>
    <message>
        <source>Beam splitter</source>
        <translation>Strahlteiler</translation>
    </message>
    <message>
        <source>Blocker</source>
        <translation>Schirm</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detektor</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Mittelpunkt</translation>
    </message>
    <message>
        <source>Vertex</source>
        <translation>Scheitel</translation>
    </message>
    <message>
        <source>Corners</source>
        <translation>Ecken</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Achse</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Rays</source>
        <translation>Strahlen</translation>
    </message>
    <message>
        <source>From angle</source>
        <translation>Von Winkel</translation>
    </message>
    <message>
        <source>To angle</source>
        <translation>Bis Winkel</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Wellenlänge</translation>
    </message>
    <message>
        <source>Wavelengths of white light</source>
        <translation>Wellenlängen des weißen Lichts</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Öffnung</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Dicke</translation>
    </message>
    <message>
        <source>Radius r1</source>
        <translation>Radius r1</translation>
    </message>
    <message>
        <source>Radius r2</source>
        <translation>Radius r2</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Reflectance</source>
        <translation>Reflexionsgrad</translation>
    </message>
    <message>
        <source>Surroundings</source>
        <translation>Umgebung</translation>
    </message>
    <message>
        <source>Fresnel reflection</source>
        <translation>Fresnel-Reflexion</translation>
    </message>
    <message>
        <source>Least intensity traced</source>
        <translation>Kleinste verfolgte Intensität</translation>
    </message>
    <message>
        <source>Interactions per path</source>
        <translation>Wechselwirkungen je Weg</translation>
    </message>
    <message>
        <source>Segments in all</source>
        <translation>Abschnitte insgesamt</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>fused silica</source>
        <translation>Quarzglas</translation>
    </message>
    <message>
        <source>index %1</source>
        <translation>Brechungsindex %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>%1°</source>
        <translation>%1°</translation>
    </message>
    <message>
        <source>white light of %1 wavelengths</source>
        <translation>weißes Licht aus %1 Wellenlängen</translation>
    </message>
    <message>
        <source>%1 nm</source>
        <translation>%1 nm</translation>
    </message>
    <message>
        <source>, afocal</source>
        <translation>, afokal</translation>
    </message>
    <message>
        <source>, %1 %2 (d line)</source>
        <translation>, %1 %2 (d-Linie)</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>von %1 bis %2</translation>
    </message>
    <message>
        <source>, no rays caught</source>
        <translation>, keine Strahlen aufgefangen</translation>
    </message>
    <message>
        <source>, 1 ray caught</source>
        <translation>, 1 Strahl aufgefangen</translation>
    </message>
    <message numerus="yes">
        <source>, %n rays caught</source>
        <translation>
            <numerusform>, %n Strahl aufgefangen</numerusform>
            <numerusform>, %n Strahlen aufgefangen</numerusform>
        </translation>
    </message>
    <message>
        <source>; %1 nm at %2, RMS %3</source>
        <translation>; %1 nm bei %2, RMS %3</translation>
    </message>
    <message numerus="yes">
        <source>; and %n more wavelengths</source>
        <translation>
            <numerusform>; und %n weitere Wellenlänge</numerusform>
            <numerusform>; und %n weitere Wellenlängen</numerusform>
        </translation>
    </message>
    <message>
        <source>not traced: %1 %2</source>
        <translation>nicht verfolgt: %1 %2</translation>
    </message>
    <message>
        <source>%1, from %2, direction %3</source>
        <translation>%1, von %2, Richtung %3</translation>
    </message>
    <message>
        <source>1 ray across %1, %2, from %3, direction %4</source>
        <translation>1 Strahl über %1, %2, von %3, Richtung %4</translation>
    </message>
    <message numerus="yes">
        <source>%n rays across %1, %2, from %3, direction %4</source>
        <translation>
            <numerusform>%n Strahl über %1, %2, von %3, Richtung %4</numerusform>
            <numerusform>%n Strahlen über %1, %2, von %3, Richtung %4</numerusform>
        </translation>
    </message>
    <message>
        <source>1 ray from %1 to %2, %3, at %4</source>
        <translation>1 Strahl von %1 bis %2, %3, bei %4</translation>
    </message>
    <message numerus="yes">
        <source>%n rays from %1 to %2, %3, at %4</source>
        <translation>
            <numerusform>%n Strahl von %1 bis %2, %3, bei %4</numerusform>
            <numerusform>%n Strahlen von %1 bis %2, %3, bei %4</numerusform>
        </translation>
    </message>
    <message>
        <source>focal length %1, aperture %2, at %3, axis %4</source>
        <translation>Brennweite %1, Öffnung %2, bei %3, Achse %4</translation>
    </message>
    <message>
        <source>%1, thickness %2, radii %3 and %4 mm%5, aperture %6, at %7, axis %8</source>
        <translation>%1, Dicke %2, Radien %3 und %4 mm%5, Öffnung %6, bei %7, Achse %8</translation>
    </message>
    <message>
        <source>focal length</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source>radius %1, focal length %2, %3</source>
        <translation>Radius %1, Brennweite %2, %3</translation>
    </message>
    <message>
        <source>focal length %1, aperture %2, vertex at %3, axis %4</source>
        <translation>Brennweite %1, Öffnung %2, Scheitel bei %3, Achse %4</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n corners, first at %2</source>
        <translation>
            <numerusform>%1, %n Ecke, erste bei %2</numerusform>
            <numerusform>%1, %n Ecken, erste bei %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, radius %2, centre at %3</source>
        <translation>%1, Radius %2, Mittelpunkt bei %3</translation>
    </message>
    <message>
        <source>focal length from the centre</source>
        <translation>Brennweite vom Mittelpunkt</translation>
    </message>
    <message>
        <source>, rainbow at %1 (d line)</source>
        <translation>, Regenbogen bei %1 (d-Linie)</translation>
    </message>
    <message>
        <source>reflects %1 %, %2</source>
        <translation>reflektiert %1 %, %2</translation>
    </message>
    <message>
        <source>No light: add a ray, a beam or a point source</source>
        <translation>Kein Licht: fügen Sie einen Strahl, ein Strahlenbündel oder eine Punktquelle hinzu</translation>
    </message>
    <message>
        <source>%1; every path traced to its end</source>
        <translation>%1; jeder Weg bis zu seinem Ende verfolgt</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>1 path</source>
        <translation>1 Weg</translation>
    </message>
    <message numerus="yes">
        <source>%Ln paths</source>
        <translation>
            <numerusform>%Ln Weg</numerusform>
            <numerusform>%Ln Wege</numerusform>
        </translation>
    </message>
    <message>
        <source>1 segment</source>
        <translation>1 Abschnitt</translation>
    </message>
    <message numerus="yes">
        <source>%Ln segments</source>
        <translation>
            <numerusform>%Ln Abschnitt</numerusform>
            <numerusform>%Ln Abschnitte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Tracing: %1; 1 path still to trace</source>
        <translation>Verfolgung: %1; noch 1 Weg</translation>
    </message>
    <message numerus="yes">
        <source>Tracing: %1; %Ln paths still to trace</source>
        <translation>
            <numerusform>Verfolgung: %1; noch %Ln Weg</numerusform>
            <numerusform>Verfolgung: %1; noch %Ln Wege</numerusform>
        </translation>
    </message>
    <message>
        <source>1 path stopped after %1 interactions</source>
        <translation>1 Weg nach %1 Wechselwirkungen beendet</translation>
    </message>
    <message numerus="yes">
        <source>%Ln paths stopped after %1 interactions</source>
        <translation>
            <numerusform>%Ln Weg nach %1 Wechselwirkungen beendet</numerusform>
            <numerusform>%Ln Wege nach %1 Wechselwirkungen beendet</numerusform>
        </translation>
    </message>
    <message>
        <source>1 part fainter than %1 not traced on</source>
        <translation>1 Teil schwächer als %1 nicht weiter verfolgt</translation>
    </message>
    <message numerus="yes">
        <source>%Ln parts fainter than %1 not traced on</source>
        <translation>
            <numerusform>%Ln Teil schwächer als %1 nicht weiter verfolgt</numerusform>
            <numerusform>%Ln Teile schwächer als %1 nicht weiter verfolgt</numerusform>
        </translation>
    </message>
    <message>
        <source>1 path cut at the limit of %1 segments</source>
        <translation>1 Weg an der Grenze von %1 Abschnitten abgeschnitten</translation>
    </message>
    <message numerus="yes">
        <source>%Ln paths cut at the limit of %1 segments</source>
        <translation>
            <numerusform>%Ln Weg an der Grenze von %1 Abschnitten abgeschnitten</numerusform>
            <numerusform>%Ln Wege an der Grenze von %1 Abschnitten abgeschnitten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialogText</name>
    <message>
        <source>Optical Bench scenes (*.lumenary);;All files (*)</source>
        <translation>Szenen der optischen Bank (*.lumenary);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open Scene</source>
        <translation>Szene öffnen</translation>
    </message>
    <message>
        <source>Save Scene As</source>
        <translation>Szene speichern unter</translation>
    </message>
    <message>
        <source>Optical Bench</source>
        <translation>Optische Bank</translation>
    </message>
    <message>
        <source>Save the changes to “%1” before closing?</source>
        <translation>Änderungen an „%1“ vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Your changes are lost if you don’t save them.</source>
        <translation>Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
</context>
<context>
    <name>FieldText</name>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>from -1000000 to 1000000 mm</source>
        <translation>von -1000000 bis 1000000 mm</translation>
    </message>
    <message>
        <source>from 0.001 to 1000000 mm</source>
        <translation>von 0,001 bis 1000000 mm</translation>
    </message>
    <message>
        <source>from 0 to 1000000 mm</source>
        <translation>von 0 bis 1000000 mm</translation>
    </message>
    <message>
        <source>from -1000000° to 1000000°</source>
        <translation>von -1000000° bis 1000000°</translation>
    </message>
    <message>
        <source>a whole number from 1 to 250000</source>
        <translation>eine ganze Zahl von 1 bis 250000</translation>
    </message>
    <message>
        <source>from 0 to 1</source>
        <translation>von 0 bis 1</translation>
    </message>
    <message>
        <source>A fixed refractive index, from 1 to 10</source>
        <translation>Ein fester Brechungsindex, von 1 bis 10</translation>
    </message>
    <message>
        <source>Fixed index</source>
        <translation>Fester Brechungsindex</translation>
    </message>
    <message>
        <source>A measured material, whose index follows the wavelength, or a fixed index</source>
        <translation>Ein gemessener Stoff, dessen Brechungsindex der Wellenlänge folgt, oder ein fester Brechungsindex</translation>
    </message>
</context>
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
    <name>lumenary::BoundaryWindow</name>
    <message>
        <source>Light at a Boundary</source>
        <translation>Licht an einer Grenzfläche</translation>
    </message>
    <message>
        <source>The light at the boundary</source>
        <translation>Das Licht an der Grenzfläche</translation>
    </message>
    <message>
        <source>The incident, reflected and transmitted light, each ray as wide as its share; with the wave view, the waves on both sides (Space plays or pauses them)</source>
        <translation>Das einfallende, reflektierte und durchgelassene Licht, jeder Strahl so breit wie sein Anteil; in der Wellenansicht die Wellen auf beiden Seiten (die Leertaste startet oder hält sie an)</translation>
    </message>
    <message>
        <source>Shares and phases against the angle of incidence</source>
        <translation>Anteile und Phasen über dem Einfallswinkel</translation>
    </message>
    <message>
        <source>Above: the shares reflected (solid) and transmitted (dashed) from 0° to 90°; below: the phases of r_s and r_p. The yellow line is the present angle</source>
        <translation>Oben: die reflektierten (durchgezogen) und durchgelassenen (gestrichelt) Anteile von 0° bis 90°; unten: die Phasen von r_s und r_p. Die gelbe Linie ist der aktuelle Winkel</translation>
    </message>
    <message>
        <source>Angles and wavelengths</source>
        <translation>Winkel und Wellenlängen</translation>
    </message>
    <message>
        <source>Amplitudes</source>
        <translation>Amplituden</translation>
    </message>
    <message>
        <source>Hide this window; it opens again as you left it (Esc)</source>
        <translation>Dieses Fenster ausblenden; es öffnet sich wieder so, wie Sie es verlassen haben (Esc)</translation>
    </message>
    <message>
        <source>Shares of the power</source>
        <translation>Leistungsanteile</translation>
    </message>
    <message>
        <source>Unpolarised light</source>
        <translation>Unpolarisiertes Licht</translation>
    </message>
    <message>
        <source>The index of refraction at the wavelength set</source>
        <translation>Der Brechungsindex bei der eingestellten Wellenlänge</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>The medium the light comes from (above the boundary)</source>
        <translation>Das Medium, aus dem das Licht kommt (über der Grenzfläche)</translation>
    </message>
    <message>
        <source>Index n₁</source>
        <translation>Brechungsindex n₁</translation>
    </message>
    <message>
        <source>Medium 1</source>
        <translation>Medium 1</translation>
    </message>
    <message>
        <source>The medium beyond the boundary (below it)</source>
        <translation>Das Medium jenseits der Grenzfläche (darunter)</translation>
    </message>
    <message>
        <source>Index n₂</source>
        <translation>Brechungsindex n₂</translation>
    </message>
    <message>
        <source>Medium 2</source>
        <translation>Medium 2</translation>
    </message>
    <message>
        <source>The wavelength in air; the measured materials&apos; indices follow it, the other media keep their fixed index</source>
        <translation>Die Wellenlänge in Luft; die Brechungsindizes der gemessenen Stoffe folgen ihr, die übrigen Medien behalten ihren festen Brechungsindex</translation>
    </message>
    <message>
        <source>Wavelength in air</source>
        <translation>Wellenlänge in Luft</translation>
    </message>
    <message>
        <source>Wavelength in air (nm)</source>
        <translation>Wellenlänge in Luft (nm)</translation>
    </message>
    <message>
        <source>The angle between the incoming light and the normal</source>
        <translation>Der Winkel zwischen dem einfallenden Licht und dem Lot</translation>
    </message>
    <message>
        <source>Angle of incidence</source>
        <translation>Einfallswinkel</translation>
    </message>
    <message>
        <source>Angle of incidence θ₁ (°)</source>
        <translation>Einfallswinkel θ₁ (°)</translation>
    </message>
    <message>
        <source>s (E ⊥ plane of incidence)</source>
        <translation>s (E ⊥ Einfallsebene)</translation>
    </message>
    <message>
        <source>p (E ∥ plane of incidence)</source>
        <translation>p (E ∥ Einfallsebene)</translation>
    </message>
    <message>
        <source>unpolarised</source>
        <translation>unpolarisiert</translation>
    </message>
    <message>
        <source>Which way the electric field of the incoming light points</source>
        <translation>In welche Richtung das elektrische Feld des einfallenden Lichts zeigt</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Show the waves</source>
        <translation>Wellen zeigen</translation>
    </message>
    <message>
        <source>The field of the three waves instead of the medium colours, to scale: the wavelength in each medium is λ₀/n</source>
        <translation>Das Feld der drei Wellen statt der Farben der Medien, maßstabsgetreu: die Wellenlänge in jedem Medium ist λ₀/n</translation>
    </message>
    <message>
        <source>Play or pause the waves (Space on the picture)</source>
        <translation>Wellen abspielen oder anhalten (Leertaste auf dem Bild)</translation>
    </message>
    <message>
        <source>How many wave periods pass a second</source>
        <translation>Wie viele Schwingungsperioden pro Sekunde vergehen</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Speed (periods/s)</source>
        <translation>Geschwindigkeit (Perioden/s)</translation>
    </message>
    <message>
        <source>Angle of refraction θ₂</source>
        <translation>Brechungswinkel θ₂</translation>
    </message>
    <message>
        <source>Brewster&apos;s angle θ_B</source>
        <translation>Brewster-Winkel θ_B</translation>
    </message>
    <message>
        <source>atan(n₂/n₁): p light is not reflected at this angle</source>
        <translation>atan(n₂/n₁): p-polarisiertes Licht wird unter diesem Winkel nicht reflektiert</translation>
    </message>
    <message>
        <source>Critical angle θ_c</source>
        <translation>Grenzwinkel θ_c</translation>
    </message>
    <message>
        <source>asin(n₂/n₁), only where n₁ &gt; n₂: past it all the light is reflected</source>
        <translation>asin(n₂/n₁), nur wenn n₁ &gt; n₂: darüber wird alles Licht reflektiert</translation>
    </message>
    <message>
        <source>Wavelength in medium 1 λ₁</source>
        <translation>Wellenlänge in Medium 1 λ₁</translation>
    </message>
    <message>
        <source>Wavelength in medium 2 λ₂</source>
        <translation>Wellenlänge in Medium 2 λ₂</translation>
    </message>
    <message>
        <source>Penetration depth d</source>
        <translation>Eindringtiefe d</translation>
    </message>
    <message>
        <source>How far into medium 2 the field of the evanescent wave falls to 1/e of its value at the boundary, past the critical angle</source>
        <translation>Wie weit in Medium 2 das Feld der evaneszenten Welle auf 1/e seines Werts an der Grenzfläche abfällt, jenseits des Grenzwinkels</translation>
    </message>
    <message>
        <source>Amplitude r_s</source>
        <translation>Amplitude r_s</translation>
    </message>
    <message>
        <source>Amplitude r_p</source>
        <translation>Amplitude r_p</translation>
    </message>
    <message>
        <source>Amplitude t_s</source>
        <translation>Amplitude t_s</translation>
    </message>
    <message>
        <source>Amplitude t_p</source>
        <translation>Amplitude t_p</translation>
    </message>
    <message>
        <source>Signed; past the critical angle the magnitude ∠ how far the wave leads the incident one</source>
        <translation>Mit Vorzeichen; jenseits des Grenzwinkels der Betrag ∠ wie weit die Welle der einfallenden vorauseilt</translation>
    </message>
    <message>
        <source>Signed, by r_p = (n₂ cos θ₁ − n₁ cos θ₂) / (n₂ cos θ₁ + n₁ cos θ₂), so that r_p = −r_s head on; past the critical angle the magnitude ∠ how far the reflected wave leads the incident one</source>
        <translation>Mit Vorzeichen, nach r_p = (n₂ cos θ₁ − n₁ cos θ₂) / (n₂ cos θ₁ + n₁ cos θ₂), sodass r_p = −r_s bei senkrechtem Einfall; jenseits des Grenzwinkels der Betrag ∠ wie weit die reflektierte Welle der einfallenden vorauseilt</translation>
    </message>
    <message>
        <source>Reflected R_s</source>
        <translation>Reflektiert R_s</translation>
    </message>
    <message>
        <source>Reflected R_p</source>
        <translation>Reflektiert R_p</translation>
    </message>
    <message>
        <source>Transmitted T_s</source>
        <translation>Durchgelassen T_s</translation>
    </message>
    <message>
        <source>Transmitted T_p</source>
        <translation>Durchgelassen T_p</translation>
    </message>
    <message>
        <source>Reflected R</source>
        <translation>Reflektiert R</translation>
    </message>
    <message>
        <source>Transmitted T</source>
        <translation>Durchgelassen T</translation>
    </message>
    <message>
        <source>R + T</source>
        <translation>R + T</translation>
    </message>
    <message>
        <source>All the light is either reflected or transmitted</source>
        <translation>Alles Licht wird entweder reflektiert oder durchgelassen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause the waves</source>
        <translation>Wellen anhalten</translation>
    </message>
    <message>
        <source>Play the waves</source>
        <translation>Wellen abspielen</translation>
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
    <name>lumenary::DispersiveMaterial</name>
    <message>
        <source>Water (21.5 °C)</source>
        <translation>Wasser (21,5 °C)</translation>
    </message>
    <message>
        <source>Fused silica</source>
        <translation>Quarzglas</translation>
    </message>
    <message>
        <source>Crown glass N-BK7</source>
        <translation>Kronglas N-BK7</translation>
    </message>
    <message>
        <source>Flint glass F2</source>
        <translation>Flintglas F2</translation>
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
    <message>
        <source>Light at a Boundary</source>
        <translation>Licht an einer Grenzfläche</translation>
    </message>
    <message>
        <source>Optical Bench</source>
        <translation>Optische Bank</translation>
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
    <name>lumenary::ModernWindow</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a caption before its control</comment>
        <translation>%1:</translation>
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
    <name>lumenary::PrismDeviationChart</name>
    <message>
        <source>Angle of incidence (°)</source>
        <translation>Einfallswinkel (°)</translation>
    </message>
    <message>
        <source>Deviation δ (°)</source>
        <translation>Ablenkwinkel δ (°)</translation>
    </message>
    <message>
        <source>%1 line, %2 nm</source>
        <translation>%1-Linie, %2 nm</translation>
    </message>
    <message>
        <source>present incidence</source>
        <translation>aktueller Einfall</translation>
    </message>
    <message>
        <source>minimum deviation</source>
        <translation>minimale Ablenkung</translation>
    </message>
    <message>
        <source>deviation now</source>
        <translation>aktuelle Ablenkung</translation>
    </message>
</context>
<context>
    <name>lumenary::PrismSpectrumWindow</name>
    <message>
        <source>none in 0°–89°</source>
        <translation>keine in 0°–89°</translation>
    </message>
    <message>
        <source>totally reflected</source>
        <translation>totalreflektiert</translation>
    </message>
    <message>
        <source>Prism Spectrum</source>
        <translation>Prismenspektrum</translation>
    </message>
    <message>
        <source>White light through the prism</source>
        <translation>Weißes Licht durch das Prisma</translation>
    </message>
    <message>
        <source>Deviation against the angle of incidence</source>
        <translation>Ablenkung über dem Einfallswinkel</translation>
    </message>
    <message>
        <source>Hide this window (Esc)</source>
        <translation>Dieses Fenster ausblenden (Esc)</translation>
    </message>
    <message>
        <source>Prism and light</source>
        <translation>Prisma und Licht</translation>
    </message>
    <message>
        <source>The prism&apos;s material, with its measured dispersion</source>
        <translation>Der Stoff des Prismas, mit seiner gemessenen Dispersion</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>The angle between the two faces the light crosses</source>
        <translation>Der Winkel zwischen den beiden Flächen, durch die das Licht tritt</translation>
    </message>
    <message>
        <source>Apex angle</source>
        <translation>Prismenwinkel</translation>
    </message>
    <message>
        <source>The angle between the incoming light and the normal to the first face</source>
        <translation>Der Winkel zwischen dem einfallenden Licht und dem Lot auf die erste Fläche</translation>
    </message>
    <message>
        <source>Angle of incidence</source>
        <translation>Einfallswinkel</translation>
    </message>
    <message>
        <source>How many wavelengths, spread evenly from 400 to 700 nm</source>
        <translation>Wie viele Wellenlängen, gleichmäßig verteilt von 400 bis 700 nm</translation>
    </message>
    <message>
        <source>Wavelengths (400–700 nm)</source>
        <translation>Wellenlängen (400–700 nm)</translation>
    </message>
    <message>
        <source>A single ray</source>
        <translation>Ein einzelner Strahl</translation>
    </message>
    <message>
        <source>A narrow parallel beam</source>
        <translation>Ein schmales Parallelbündel</translation>
    </message>
    <message>
        <source>One ray, or a narrow beam of parallel rays</source>
        <translation>Ein Strahl oder ein schmales Bündel paralleler Strahlen</translation>
    </message>
    <message>
        <source>Beam width</source>
        <translation>Strahlbreite</translation>
    </message>
    <message>
        <source>Read-outs</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Index n_d (587.56 nm)</source>
        <translation>Brechungsindex n_d (587,56 nm)</translation>
    </message>
    <message>
        <source>Index n_F (486.13 nm)</source>
        <translation>Brechungsindex n_F (486,13 nm)</translation>
    </message>
    <message>
        <source>Index n_C (656.27 nm)</source>
        <translation>Brechungsindex n_C (656,27 nm)</translation>
    </message>
    <message>
        <source>Abbe number V_d</source>
        <translation>Abbe-Zahl V_d</translation>
    </message>
    <message>
        <source>Deviation (d line)</source>
        <translation>Ablenkung (d-Linie)</translation>
    </message>
    <message>
        <source>Deviation (F line)</source>
        <translation>Ablenkung (F-Linie)</translation>
    </message>
    <message>
        <source>Deviation (C line)</source>
        <translation>Ablenkung (C-Linie)</translation>
    </message>
    <message>
        <source>Spread δ_F − δ_C</source>
        <translation>Aufspaltung δ_F − δ_C</translation>
    </message>
    <message>
        <source>Minimum deviation (d line)</source>
        <translation>Minimale Ablenkung (d-Linie)</translation>
    </message>
    <message>
        <source>Incidence at the minimum (d line)</source>
        <translation>Einfallswinkel beim Minimum (d-Linie)</translation>
    </message>
    <message>
        <source>Spectrometer n = sin((A + δ_min)/2) / sin(A/2)</source>
        <translation>Spektrometer n = sin((A + δ_min)/2) / sin(A/2)</translation>
    </message>
    <message>
        <source>The index a spectrometer finds from the apex angle and the minimum deviation of the d line</source>
        <translation>Der Brechungsindex, den ein Spektrometer aus dem Prismenwinkel und der minimalen Ablenkung der d-Linie bestimmt</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>A %1 prism of %2 with white light at %3 incidence, split into %4 colours from 400 to 700 nm. </source>
        <translation>Ein Prisma mit %1 aus %2, weißes Licht unter %3 Einfall, zerlegt in %4 Farben von 400 bis 700 nm. </translation>
    </message>
    <message>
        <source>Every colour is totally reflected at the second face.</source>
        <translation>Jede Farbe wird an der zweiten Fläche totalreflektiert.</translation>
    </message>
    <message>
        <source>%1 colours, from violet on, are totally reflected inside; the rest leave, red deviated least.</source>
        <translation>%1 Farben, von Violett an, werden innen totalreflektiert; die übrigen treten aus, Rot am wenigsten abgelenkt.</translation>
    </message>
    <message>
        <source>Every colour leaves the prism, violet deviated most, red least.</source>
        <translation>Jede Farbe verlässt das Prisma, Violett am stärksten abgelenkt, Rot am wenigsten.</translation>
    </message>
    <message>
        <source>Deviation of the F, d and C lines from 0° to 89° incidence. </source>
        <translation>Ablenkung der F-, d- und C-Linie bei 0° bis 89° Einfall. </translation>
    </message>
    <message>
        <source>The d line&apos;s minimum is %1 at %2 incidence.</source>
        <translation>Das Minimum der d-Linie ist %1 bei %2 Einfall.</translation>
    </message>
    <message>
        <source>The d line has no minimum in that range.</source>
        <translation>Die d-Linie hat in diesem Bereich kein Minimum.</translation>
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
    <name>lumenary::RainbowColoursWindow</name>
    <message>
        <source>Rainbow Colours</source>
        <translation>Regenbogenfarben</translation>
    </message>
    <message>
        <source>Hide the window; it opens again as you left it (Esc)</source>
        <translation>Fenster ausblenden; es öffnet sich wieder so, wie Sie es verlassen haben (Esc)</translation>
    </message>
    <message>
        <source>Deviation curves</source>
        <translation>Ablenkungskurven</translation>
    </message>
    <message>
        <source>Deviation D against impact parameter b for each colour; the least deviation of each curve is its rainbow ray</source>
        <translation>Ablenkung D über der Einfallshöhe b für jede Farbe; die kleinste Ablenkung jeder Kurve ist ihr Regenbogenstrahl</translation>
    </message>
    <message>
        <source>Rays through the drop</source>
        <translation>Strahlen durch den Tropfen</translation>
    </message>
    <message>
        <source>Sunlight entering a drop, reflected inside and leaving, in each colour; the rainbow rays in bold</source>
        <translation>Sonnenlicht, das in einen Tropfen eintritt, innen reflektiert wird und austritt, in jeder Farbe; die Regenbogenstrahlen fett</translation>
    </message>
    <message>
        <source>The sky</source>
        <translation>Der Himmel</translation>
    </message>
    <message>
        <source>The bows as you see them with the sun behind you, out to 60° from the antisolar point</source>
        <translation>Die Bögen, wie Sie sie mit der Sonne im Rücken sehen, bis 60° vom Gegensonnenpunkt</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>What the drop is made of: water, or a glass to compare</source>
        <translation>Woraus der Tropfen besteht: Wasser oder zum Vergleich ein Glas</translation>
    </message>
    <message>
        <source>&amp;Liquid:</source>
        <translation>&amp;Flüssigkeit:</translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation>Flüssigkeit</translation>
    </message>
    <message>
        <source>1 (primary)</source>
        <translation>1 (Hauptbogen)</translation>
    </message>
    <message>
        <source>2 (secondary)</source>
        <translation>2 (Nebenbogen)</translation>
    </message>
    <message>
        <source>Show light leaving after 1 internal reflection</source>
        <translation>Licht zeigen, das nach 1 inneren Reflexion austritt</translation>
    </message>
    <message>
        <source>Show light leaving after %1 internal reflections</source>
        <translation>Licht zeigen, das nach %1 inneren Reflexionen austritt</translation>
    </message>
    <message>
        <source>%1 bow: light leaving after 1 reflection inside the drop</source>
        <translation>%1: Licht, das nach 1 Reflexion im Tropfen austritt</translation>
    </message>
    <message>
        <source>%1 bow: light leaving after %2 reflections inside the drop</source>
        <translation>%1: Licht, das nach %2 Reflexionen im Tropfen austritt</translation>
    </message>
    <message>
        <source>&amp;Internal reflections:</source>
        <translation>&amp;Innere Reflexionen:</translation>
    </message>
    <message>
        <source>How many colours, evenly from 400 to 700 nm</source>
        <translation>Wie viele Farben, gleichmäßig von 400 bis 700 nm</translation>
    </message>
    <message>
        <source>&amp;Wavelengths N (400–700 nm):</source>
        <translation>&amp;Wellenlängen N (400–700 nm):</translation>
    </message>
    <message>
        <source>Wavelengths N (400–700 nm)</source>
        <translation>Wellenlängen N (400–700 nm)</translation>
    </message>
    <message>
        <source>Rainbow angles from the antisolar point</source>
        <translation>Regenbogenwinkel zum Gegensonnenpunkt</translation>
    </message>
    <message>
        <source>%1 bow, red (700 nm)</source>
        <translation>%1, Rot (700 nm)</translation>
    </message>
    <message>
        <source>%1 bow, violet (400 nm)</source>
        <translation>%1, Violett (400 nm)</translation>
    </message>
    <message>
        <source>%1 bow width</source>
        <translation>%1, Breite</translation>
    </message>
    <message>
        <source>Alexander&apos;s dark band width</source>
        <translation>Breite von Alexanders dunklem Band</translation>
    </message>
    <message>
        <source>Curve minima against closed form</source>
        <translation>Kurvenminima gegen geschlossene Formel</translation>
    </message>
    <message>
        <source>The largest difference between a plotted curve&apos;s least deviation, found numerically, and the closed form cos² i = (n² − 1) / (k(k + 2))</source>
        <translation>Der größte Unterschied zwischen der numerisch gefundenen kleinsten Ablenkung einer gezeichneten Kurve und der geschlossenen Formel cos² i = (n² − 1) / (k(k + 2))</translation>
    </message>
    <message>
        <source>needs the primary and secondary</source>
        <translation>braucht Haupt- und Nebenbogen</translation>
    </message>
    <message>
        <source>The span of angles from the antisolar point that the bow&apos;s colours cover. Angles fold at 180° (straight back toward the sun) and at 0°: a bow whose colours run past a fold reaches it and turns back, so its width runs from its edge nearest the fold to the fold, not from red to violet</source>
        <translation>Der Winkelbereich vom Gegensonnenpunkt, den die Farben des Bogens überdecken. Winkel falten sich bei 180° (genau zurück zur Sonne) und bei 0°: ein Bogen, dessen Farben über eine Faltstelle hinausreichen, erreicht sie und kehrt um; seine Breite reicht dann von seinem der Faltstelle nächsten Rand bis zur Faltstelle, nicht von Rot bis Violett</translation>
    </message>
    <message>
        <source>The secondary bow&apos;s inner edge minus the primary bow&apos;s outer edge; shown only while both bows are ticked</source>
        <translation>Innerer Rand des Nebenbogens minus äußerer Rand des Hauptbogens; nur angezeigt, wenn beide Bögen gewählt sind</translation>
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
    <name>lumenary::Trace</name>
    <message>
        <source>usage: lumenary-trace SCENE [--json] [--svg FILE] [--png FILE] [--size WxH]</source>
        <translation>Aufruf: lumenary-trace SZENE [--json] [--svg DATEI] [--png DATEI] [--size BxH]</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>--size takes WIDTHxHEIGHT in pixels, each from 16 to 10000: %1</source>
        <translation>--size erwartet BREITExHÖHE in Pixeln, jeweils von 16 bis 10000: %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>one scene file at a time: %1</source>
        <translation>nur eine Szenendatei auf einmal: %1</translation>
    </message>
    <message>
        <source>no scene file given</source>
        <translation>keine Szenendatei angegeben</translation>
    </message>
    <message>
        <source>Optical Bench scene</source>
        <translation>Szene der optischen Bank</translation>
    </message>
    <message>
        <source>read error</source>
        <translation>Lesefehler</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: %2 paths, %3 segments; cut by max_interactions %4, min_intensity %5, max_segments %6</source>
        <translation>%1: %2 Wege, %3 Abschnitte; abgebrochen durch max_interactions %4, min_intensity %5, max_segments %6</translation>
    </message>
    <message>
        <source>%1: could not be written</source>
        <translation>%1: konnte nicht geschrieben werden</translation>
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
<context>
    <name>lumenary::bench::BenchDocument</name>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
    <message numerus="yes">
        <source>Add %n elements</source>
        <translation>
            <numerusform>%n Element hinzufügen</numerusform>
            <numerusform>%n Elemente hinzufügen</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
</context>
<context>
    <name>lumenary::bench::BenchPicture</name>
    <message>
        <source>Optical bench</source>
        <translation>Optische Bank</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>%1 verschieben</translation>
    </message>
    <message>
        <source>Rotate %1</source>
        <translation>%1 drehen</translation>
    </message>
    <message>
        <source>1 element; </source>
        <translation>1 Element; </translation>
    </message>
    <message numerus="yes">
        <source>%n elements; </source>
        <translation>
            <numerusform>%n Element; </numerusform>
            <numerusform>%n Elemente; </numerusform>
        </translation>
    </message>
    <message>
        <source>Resize %1</source>
        <translation>Größe von %1 ändern</translation>
    </message>
</context>
<context>
    <name>lumenary::bench::BenchWindow</name>
    <message>
        <source>Optical Bench</source>
        <translation>Optische Bank</translation>
    </message>
    <message>
        <source>&amp;Add:</source>
        <translation>&amp;Hinzufügen:</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Verfolgen</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>Bild exportieren…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open &amp;Example</source>
        <translation>&amp;Beispiel öffnen</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>D&amp;uplizieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Einpassen</translation>
    </message>
    <message>
        <source>Show &amp;Grid</source>
        <translation>&amp;Gitter zeigen</translation>
    </message>
    <message>
        <source>E&amp;lement</source>
        <translation>E&amp;lement</translation>
    </message>
    <message>
        <source>&amp;Scene</source>
        <translation>&amp;Szene</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1[*] — Optical Bench</source>
        <translation>%1[*] — Optische Bank</translation>
    </message>
    <message>
        <source>Not added: a scene holds at most 10000 elements.</source>
        <translation>Nicht hinzugefügt: eine Szene enthält höchstens 10000 Elemente.</translation>
    </message>
    <message>
        <source>Not added: the scene would start more than 250000 paths (rays × wavelengths).</source>
        <translation>Nicht hinzugefügt: die Szene würde mehr als 250000 Wege beginnen (Strahlen × Wellenlängen).</translation>
    </message>
    <message>
        <source>Copied the picture</source>
        <translation>Bild kopiert</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n elements as scene text</source>
        <translation>
            <numerusform>%n Element als Szenentext kopiert</numerusform>
            <numerusform>%n Elemente als Szenentext kopiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing pasted: the clipboard holds no scene (%1)</source>
        <translation>Nichts eingefügt: die Zwischenablage enthält keine Szene (%1)</translation>
    </message>
    <message>
        <source>clipboard</source>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <source>Nothing pasted: the scene on the clipboard has no elements</source>
        <translation>Nichts eingefügt: die Szene in der Zwischenablage hat keine Elemente</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>%1 einfügen</translation>
    </message>
    <message>
        <source>Duplicate %1</source>
        <translation>%1 duplizieren</translation>
    </message>
    <message>
        <source>A new, empty scene</source>
        <translation>Eine neue, leere Szene</translation>
    </message>
    <message>
        <source>The scene could not be opened.

%1</source>
        <translation>Die Szene konnte nicht geöffnet werden.

%1</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 geöffnet</translation>
    </message>
    <message>
        <source>%1 (example)</source>
        <translation>%1 (Beispiel)</translation>
    </message>
    <message>
        <source>Opened the example %1</source>
        <translation>Beispiel %1 geöffnet</translation>
    </message>
    <message>
        <source>The scene could not be saved as “%1”.

%2</source>
        <translation>Die Szene konnte nicht als „%1“ gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Restored the scene kept on %1</source>
        <translation>Die am %1 aufbewahrte Szene wiederhergestellt</translation>
    </message>
    <message>
        <source>The recovery file could not be written in %1</source>
        <translation>Die Wiederherstellungsdatei konnte nicht in %1 geschrieben werden</translation>
    </message>
    <message>
        <source>The Optical Bench&apos;s scene “%1” was not saved when Varnel Lumenary last ended; a copy was kept on %2. Restore it?</source>
        <translation>Die Szene „%1“ der optischen Bank war beim letzten Beenden von Varnel Lumenary nicht gespeichert; eine Kopie wurde am %2 aufbewahrt. Wiederherstellen?</translation>
    </message>
</context>
<context>
    <name>lumenary::bench::DetectorChart</name>
    <message>
        <source>Intensity along the detector</source>
        <translation>Intensität entlang des Detektors</translation>
    </message>
    <message>
        <source>1 ray caught; the most light at %1 from the detector&apos;s start</source>
        <translation>1 Strahl aufgefangen; das meiste Licht bei %1 vom Anfang des Detektors</translation>
    </message>
    <message numerus="yes">
        <source>%n rays caught; the most light at %1 from the detector&apos;s start</source>
        <translation>
            <numerusform>%n Strahl aufgefangen; das meiste Licht bei %1 vom Anfang des Detektors</numerusform>
            <numerusform>%n Strahlen aufgefangen; das meiste Licht bei %1 vom Anfang des Detektors</numerusform>
        </translation>
    </message>
    <message>
        <source>No light reaches the detector.</source>
        <translation>Kein Licht erreicht den Detektor.</translation>
    </message>
</context>
<context>
    <name>lumenary::bench::ElementPalette</name>
    <message>
        <source>Elements to add</source>
        <translation>Elemente zum Hinzufügen</translation>
    </message>
    <message>
        <source>Click an element (or press Enter) to add it in the middle of the picture, or drag it to where it belongs</source>
        <translation>Klicken Sie auf ein Element (oder drücken Sie die Eingabetaste), um es in der Bildmitte hinzuzufügen, oder ziehen Sie es an seinen Platz</translation>
    </message>
    <message>
        <source>Add a %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
</context>
<context>
    <name>lumenary::bench::Examples</name>
    <message>
        <source>Achromatic doublet</source>
        <translation>Achromatisches Dublett</translation>
    </message>
    <message>
        <source>Kepler telescope</source>
        <translation>Kepler-Fernrohr</translation>
    </message>
    <message>
        <source>Optical fibre</source>
        <translation>Glasfaser</translation>
    </message>
    <message>
        <source>Parabolic and spherical mirror</source>
        <translation>Parabol- und Kugelspiegel</translation>
    </message>
    <message>
        <source>Prism spectrometer</source>
        <translation>Prismenspektrometer</translation>
    </message>
    <message>
        <source>Thick lens camera</source>
        <translation>Kamera mit dicker Linse</translation>
    </message>
    <message>
        <source>Water drop</source>
        <translation>Wassertropfen</translation>
    </message>
    <message>
        <source>An achromatic doublet: a converging lens of crown glass N-BK7 cemented to a weaker diverging lens of flint glass F2, which spreads the colours more. Their dispersions cancel, so the F (blue) and C (red) lines meet at the same focus, about 95.6 mm behind the last surface.</source>
        <translation>Ein achromatisches Dublett: eine Sammellinse aus Kronglas N-BK7, verkittet mit einer schwächeren Zerstreuungslinse aus Flintglas F2, die die Farben stärker auffächert. Ihre Dispersionen heben sich auf, sodass die F-Linie (blau) und die C-Linie (rot) im selben Brennpunkt zusammentreffen, etwa 95,6 mm hinter der letzten Fläche.</translation>
    </message>
    <message>
        <source>A Kepler telescope: an objective of 200 mm and an eyepiece of 50 mm focal length, 250 mm apart, so that parallel light leaves parallel. A beam tilted by 1 degree leaves tilted by about -4 degrees: the angular magnification is -200/50 = -4, and the detector sits in the exit pupil.</source>
        <translation>Ein Kepler-Fernrohr: ein Objektiv von 200 mm und ein Okular von 50 mm Brennweite, 250 mm voneinander entfernt, sodass paralleles Licht parallel austritt. Ein um 1 Grad geneigtes Strahlenbündel tritt um etwa -4 Grad geneigt aus: Die Winkelvergrößerung ist -200/50 = -4, und der Detektor sitzt in der Austrittspupille.</translation>
    </message>
    <message>
        <source>An optical fibre: a core of flint glass F2 inside a cladding of crown glass N-BK7, in a light-tight jacket. Light that meets the core&apos;s wall beyond the critical angle (about 69.4 degrees) is totally reflected and guided to the far end; steeper light leaks into the cladding and is lost in the jacket. The acceptance angle in air is about 34.7 degrees.</source>
        <translation>Eine Glasfaser: ein Kern aus Flintglas F2 in einem Mantel aus Kronglas N-BK7, umgeben von einer lichtdichten Schutzhülle. Licht, das die Wand des Kerns jenseits des Grenzwinkels (etwa 69,4 Grad) trifft, wird totalreflektiert und bis zum anderen Ende geleitet; steileres Licht tritt in den Mantel über und geht in der Schutzhülle verloren. Der Akzeptanzwinkel in Luft beträgt etwa 34,7 Grad.</translation>
    </message>
    <message>
        <source>Two concave mirrors of the same focal length (50 mm) side by side. The parabolic mirror above sends every ray parallel to its axis through one point; the spherical mirror below focuses its edge rays short of its paraxial focus (spherical aberration), so its spot at the focal plane has a width.</source>
        <translation>Zwei Hohlspiegel gleicher Brennweite (50 mm) nebeneinander. Der Parabolspiegel oben lenkt jeden achsenparallelen Strahl durch einen Punkt; der Kugelspiegel unten bündelt seine Randstrahlen vor seinem paraxialen Brennpunkt (sphärische Aberration), sodass sein Lichtfleck in der Brennebene eine Breite hat.</translation>
    </message>
    <message>
        <source>A prism spectrometer: white light enters an equilateral prism of flint glass F2 at the angle of least deviation for the yellow d line and leaves spread into its colours; violet is deviated most. The detector reads the direction of every colour.</source>
        <translation>Ein Prismenspektrometer: Weißes Licht tritt unter dem Winkel minimaler Ablenkung für die gelbe d-Linie in ein gleichseitiges Prisma aus Flintglas F2 ein und verlässt es in seine Farben aufgefächert; Violett wird am stärksten abgelenkt. Der Detektor misst die Richtung jeder Farbe.</translation>
    </message>
    <message>
        <source>A camera with one thick biconvex lens of crown glass N-BK7. White light from far away does not meet in one point: blue focuses nearer the lens than red (chromatic aberration), and the edge of the lens focuses nearer than its middle (spherical aberration). The sensor sits at the paraxial focus for the d line.</source>
        <translation>Eine Kamera mit einer einzigen dicken bikonvexen Linse aus Kronglas N-BK7. Weißes Licht aus großer Entfernung trifft sich nicht in einem Punkt: Blau wird näher an der Linse fokussiert als Rot (chromatische Aberration), und der Rand der Linse fokussiert näher als ihre Mitte (sphärische Aberration). Der Sensor sitzt im paraxialen Brennpunkt für die d-Linie.</translation>
    </message>
    <message>
        <source>Sunlight on a drop of water. With Fresnel reflection traced, part of the light is reflected inside the drop; after one reflection inside it leaves at up to about 42 degrees from the way back to the sun, red a little further out than violet: the primary rainbow. The detector catches that light.</source>
        <translation>Sonnenlicht auf einem Wassertropfen. Da die Fresnel-Reflexion berechnet wird, wird ein Teil des Lichts im Tropfen reflektiert; nach einer inneren Reflexion tritt es unter bis zu etwa 42 Grad zur Richtung zurück zur Sonne aus, Rot etwas weiter außen als Violett: der Hauptregenbogen. Der Detektor fängt dieses Licht auf.</translation>
    </message>
</context>
<context>
    <name>lumenary::bench::PropertyPanel</name>
    <message numerus="yes">
        <source>%n elements chosen</source>
        <translation>
            <numerusform>%n Element gewählt</numerusform>
            <numerusform>%n Elemente gewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>Drag one of them, or use the arrow keys in the picture, to move them together; [ and ] turn each about its own position.</source>
        <translation>Ziehen Sie eines davon oder benutzen Sie die Pfeiltasten im Bild, um sie gemeinsam zu verschieben; [ und ] drehen jedes um seine eigene Position.</translation>
    </message>
    <message>
        <source>No element chosen</source>
        <translation>Kein Element gewählt</translation>
    </message>
    <message>
        <source>Click an element, or press Tab in the picture, to see and change its numbers here. Add elements from the list on the left.</source>
        <translation>Klicken Sie auf ein Element oder drücken Sie Tab im Bild, um seine Zahlen hier zu sehen und zu ändern. Elemente fügen Sie aus der Liste links hinzu.</translation>
    </message>
    <message>
        <source>A name of your own for the element (saved in the file)</source>
        <translation>Ein eigener Name für das Element (wird in der Datei gespeichert)</translation>
    </message>
    <message>
        <source> x</source>
        <translation> x</translation>
    </message>
    <message>
        <source> y</source>
        <translation> y</translation>
    </message>
    <message>
        <source>x </source>
        <translation>x </translation>
    </message>
    <message>
        <source>y </source>
        <translation>y </translation>
    </message>
    <message>
        <source>One wavelength</source>
        <translation>Eine Wellenlänge</translation>
    </message>
    <message>
        <source>White light</source>
        <translation>Weißes Licht</translation>
    </message>
    <message>
        <source>Light of one wavelength, or white light of many wavelengths spread evenly over 400–700 nm</source>
        <translation>Licht einer Wellenlänge oder weißes Licht aus vielen, gleichmäßig über 400–700 nm verteilten Wellenlängen</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source> nm</source>
        <translation> nm</translation>
    </message>
    <message>
        <source>from 380 to 780 nm</source>
        <translation>von 380 bis 780 nm</translation>
    </message>
    <message>
        <source>a whole number from 2 to 400</source>
        <translation>eine ganze Zahl von 2 bis 400</translation>
    </message>
    <message>
        <source>Fixed index</source>
        <translation>Fester Brechungsindex</translation>
    </message>
    <message>
        <source>x (mm)</source>
        <translation>x (mm)</translation>
    </message>
    <message>
        <source>y (mm)</source>
        <translation>y (mm)</translation>
    </message>
    <message>
        <source>Corner %1: “%2” is not a number.</source>
        <translation>Ecke %1: „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>Corner %1</source>
        <translation>Ecke %1</translation>
    </message>
    <message>
        <source>Read-outs</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>F line</source>
        <translation>F-Linie</translation>
    </message>
    <message>
        <source>d line</source>
        <translation>d-Linie</translation>
    </message>
    <message>
        <source>C line</source>
        <translation>C-Linie</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Brennweite (mm)</translation>
    </message>
    <message>
        <source>Focal length, paraxial (mm)</source>
        <translation>Brennweite, paraxial (mm)</translation>
    </message>
    <message>
        <source>Focal length, %1 (mm)</source>
        <translation>Brennweite, %1 (mm)</translation>
    </message>
    <message>
        <source>Back focal length, %1 (mm)</source>
        <translation>Schnittweite, %1 (mm)</translation>
    </message>
    <message>
        <source>Focal length from the centre, %1 (mm)</source>
        <translation>Brennweite vom Mittelpunkt, %1 (mm)</translation>
    </message>
    <message>
        <source>Rainbow angle, %1 (°)</source>
        <translation>Regenbogenwinkel, %1 (°)</translation>
    </message>
    <message>
        <source>Paths (rays × wavelengths)</source>
        <translation>Wege (Strahlen × Wellenlängen)</translation>
    </message>
    <message>
        <source>Rays caught</source>
        <translation>Aufgefangene Strahlen</translation>
    </message>
    <message>
        <source>Spots per wavelength</source>
        <translation>Lichtflecke je Wellenlänge</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>Wellenlänge (nm)</translation>
    </message>
    <message>
        <source>Centre (mm)</source>
        <translation>Mittelpunkt (mm)</translation>
    </message>
    <message>
        <source>RMS (mm)</source>
        <translation>RMS (mm)</translation>
    </message>
    <message>
        <source>Rays</source>
        <translation>Strahlen</translation>
    </message>
    <message>
        <source>Not defined: the lens is afocal there.</source>
        <translation>Nicht definiert: die Linse ist dort afokal.</translation>
    </message>
    <message>
        <source>%1 not applied: %2 %3.</source>
        <translation>%1 nicht übernommen: %2 %3.</translation>
    </message>
    <message>
        <source>%1 not applied: the scene would start more than 250000 paths (rays × wavelengths).</source>
        <translation>%1 nicht übernommen: die Szene würde mehr als 250000 Wege beginnen (Strahlen × Wellenlängen).</translation>
    </message>
    <message>
        <source>Change %1 of %2</source>
        <translation>%1 von %2 ändern</translation>
    </message>
</context>
<context>
    <name>lumenary::bench::SceneText</name>
    <message>
        <source>the file holds more than %1 values</source>
        <translation>die Datei enthält mehr als %1 Werte</translation>
    </message>
    <message>
        <source>arrays and objects nest deeper than %1 levels</source>
        <translation>Listen und Objekte sind tiefer als %1 Ebenen verschachtelt</translation>
    </message>
    <message>
        <source>the number %1 is too large</source>
        <translation>die Zahl %1 ist zu groß</translation>
    </message>
    <message>
        <source>must lie within 1000000 mm of the origin</source>
        <translation>muss höchstens 1000000 mm vom Ursprung entfernt liegen</translation>
    </message>
    <message>
        <source>must be an angle between -1000000 and 1000000 degrees</source>
        <translation>muss ein Winkel zwischen -1000000 und 1000000 Grad sein</translation>
    </message>
    <message>
        <source>must be at least 1e-06 mm and at most 1000000 mm</source>
        <translation>muss mindestens 1e-06 mm und höchstens 1000000 mm sein</translation>
    </message>
    <message>
        <source>must be a whole number from 1 to 250000</source>
        <translation>muss eine ganze Zahl von 1 bis 250000 sein</translation>
    </message>
    <message>
        <source>must be a refractive index from 1 to 10 or one of &quot;water&quot;, &quot;fused silica&quot;, &quot;N-BK7&quot;, &quot;F2&quot;</source>
        <translation>muss ein Brechungsindex von 1 bis 10 oder einer von &quot;water&quot;, &quot;fused silica&quot;, &quot;N-BK7&quot;, &quot;F2&quot; sein</translation>
    </message>
    <message>
        <source>must be a wavelength from 380 to 780 nm</source>
        <translation>muss eine Wellenlänge von 380 bis 780 nm sein</translation>
    </message>
    <message>
        <source>must be a number of wavelengths from 2 to 400</source>
        <translation>muss eine Anzahl von Wellenlängen von 2 bis 400 sein</translation>
    </message>
    <message>
        <source>must lie at least 1e-06 mm from &quot;from&quot;</source>
        <translation>muss mindestens 1e-06 mm von &quot;from&quot; entfernt liegen</translation>
    </message>
    <message>
        <source>must be from 0 to 1000000 mm</source>
        <translation>muss von 0 bis 1000000 mm sein</translation>
    </message>
    <message>
        <source>must be from 1e-06 to 1000000 mm, or from -1000000 to -1e-06 mm for a diverging lens</source>
        <translation>muss von 1e-06 bis 1000000 mm sein, oder von -1000000 bis -1e-06 mm für eine Zerstreuungslinse</translation>
    </message>
    <message>
        <source>must lie within 1000000 mm</source>
        <translation>muss innerhalb von 1000000 mm liegen</translation>
    </message>
    <message>
        <source>must be 0 (flat) or at least half the aperture in size</source>
        <translation>muss 0 (eben) oder dem Betrag nach mindestens die halbe Öffnung sein</translation>
    </message>
    <message>
        <source>is too small: the two surfaces cross inside the aperture</source>
        <translation>ist zu klein: die beiden Flächen schneiden sich innerhalb der Öffnung</translation>
    </message>
    <message>
        <source>must be at least half the distance between the ends in size, and at most 1000000 mm</source>
        <translation>muss dem Betrag nach mindestens den halben Abstand der Enden und höchstens 1000000 mm betragen</translation>
    </message>
    <message>
        <source>must hold from 3 to 1000 corners</source>
        <translation>muss 3 bis 1000 Ecken enthalten</translation>
    </message>
    <message>
        <source>must make a simple polygon (edges that meet only at shared corners, none shorter than 1e-06 mm)</source>
        <translation>muss ein einfaches Polygon bilden (Kanten, die sich nur in gemeinsamen Ecken treffen, keine kürzer als 1e-06 mm)</translation>
    </message>
    <message>
        <source>must be from 0 to 1</source>
        <translation>muss von 0 bis 1 sein</translation>
    </message>
    <message>
        <source>must be at most 1000 bytes long</source>
        <translation>darf höchstens 1000 Bytes lang sein</translation>
    </message>
    <message>
        <source>must be a whole number from 1 to 10000000</source>
        <translation>muss eine ganze Zahl von 1 bis 10000000 sein</translation>
    </message>
    <message>
        <source>must be a whole number from 1 to 4000000</source>
        <translation>muss eine ganze Zahl von 1 bis 4000000 sein</translation>
    </message>
    <message>
        <source>must be at most 10000 bytes long</source>
        <translation>darf höchstens 10000 Bytes lang sein</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>must be a whole number from %1 to %2</source>
        <translation>muss eine ganze Zahl von %1 bis %2 sein</translation>
    </message>
    <message>
        <source>must be a number</source>
        <translation>muss eine Zahl sein</translation>
    </message>
    <message>
        <source>must be a finite number</source>
        <translation>muss eine endliche Zahl sein</translation>
    </message>
    <message>
        <source>must be a point [x, y]</source>
        <translation>muss ein Punkt [x, y] sein</translation>
    </message>
    <message>
        <source>must be a refractive index or one of &quot;water&quot;, &quot;fused silica&quot;, &quot;N-BK7&quot;, &quot;F2&quot;</source>
        <translation>muss ein Brechungsindex oder einer von &quot;water&quot;, &quot;fused silica&quot;, &quot;N-BK7&quot;, &quot;F2&quot; sein</translation>
    </message>
    <message>
        <source>cannot stand beside &quot;wavelength&quot;: give one of them</source>
        <translation>darf nicht neben &quot;wavelength&quot; stehen: geben Sie nur eines an</translation>
    </message>
    <message>
        <source>must be a list of points [[x, y], ...]</source>
        <translation>muss eine Liste von Punkten [[x, y], ...] sein</translation>
    </message>
    <message>
        <source>is not a known element type</source>
        <translation>ist keine bekannte Elementart</translation>
    </message>
    <message>
        <source>must be a text</source>
        <translation>muss ein Text sein</translation>
    </message>
    <message>
        <source>must be at most %1 bytes long</source>
        <translation>darf höchstens %1 Bytes lang sein</translation>
    </message>
    <message>
        <source>must be an object {&quot;type&quot;: ...}</source>
        <translation>muss ein Objekt {&quot;type&quot;: ...} sein</translation>
    </message>
    <message>
        <source>must be a text naming the element&apos;s type</source>
        <translation>muss ein Text sein, der die Elementart nennt</translation>
    </message>
    <message>
        <source>names no element type: &quot;%1&quot;</source>
        <translation>nennt keine Elementart: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>must be &quot;lumenary-scene&quot;: this is not a scene file</source>
        <translation>muss &quot;lumenary-scene&quot; sein: dies ist keine Szenendatei</translation>
    </message>
    <message>
        <source>must be 1</source>
        <translation>muss 1 sein</translation>
    </message>
    <message>
        <source>is %1: the file was written by a newer program, which reads version 1</source>
        <translation>ist %1: die Datei stammt von einem neueren Programm; dieses liest Version 1</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>muss true oder false sein</translation>
    </message>
    <message>
        <source>is %1 bytes long; a scene file may hold at most %2 bytes</source>
        <translation>ist %1 Bytes lang; eine Szenendatei darf höchstens %2 Bytes enthalten</translation>
    </message>
    <message>
        <source>a scene file holds one object {&quot;format&quot;: ...}</source>
        <translation>eine Szenendatei enthält ein Objekt {&quot;format&quot;: ...}</translation>
    </message>
    <message>
        <source>must be a list of elements [{...}, ...]</source>
        <translation>muss eine Liste von Elementen [{...}, ...] sein</translation>
    </message>
    <message>
        <source>holds %1 elements; a scene may hold at most %2</source>
        <translation>enthält %1 Elemente; eine Szene darf höchstens %2 enthalten</translation>
    </message>
    <message>
        <source>brings the scene to more than %1 rays (rays × wavelengths of every source)</source>
        <translation>bringt die Szene auf mehr als %1 Strahlen (Strahlen × Wellenlängen jeder Quelle)</translation>
    </message>
    <message>
        <source>brings the scene to more than %1 corners of glass</source>
        <translation>bringt die Szene auf mehr als %1 Glasecken</translation>
    </message>
    <message>
        <source>: element %1</source>
        <translation>: Element %1</translation>
    </message>
    <message>
        <source>: element %1 (&quot;%2&quot;)</source>
        <translation>: Element %1 (&quot;%2&quot;)</translation>
    </message>
    <message>
        <source>, key &quot;%1&quot;: </source>
        <translation>, Schlüssel &quot;%1&quot;: </translation>
    </message>
    <message>
        <source>: key &quot;%1&quot;: </source>
        <translation>: Schlüssel &quot;%1&quot;: </translation>
    </message>
</context>
<context>
    <name>lumenary::bench::SettingsPanel</name>
    <message>
        <source>What fills the space between the elements</source>
        <translation>Was den Raum zwischen den Elementen füllt</translation>
    </message>
    <message>
        <source>Surroundings&apos; fixed index</source>
        <translation>Fester Brechungsindex der Umgebung</translation>
    </message>
    <message>
        <source>Glass surfaces also reflect (Fresnel)</source>
        <translation>Glasflächen reflektieren auch (Fresnel)</translation>
    </message>
    <message>
        <source>Trace the share of light each glass surface reflects as well as the light it lets through; the brightness of a ray shows its intensity</source>
        <translation>Auch den Lichtanteil verfolgen, den jede Glasfläche reflektiert, nicht nur das durchgelassene Licht; die Helligkeit eines Strahls zeigt seine Intensität</translation>
    </message>
    <message>
        <source>A part of a ray fainter than this is not traced on (from 0 to 1; each ray starts at 1)</source>
        <translation>Ein Teil eines Strahls, der schwächer ist, wird nicht weiter verfolgt (von 0 bis 1; jeder Strahl beginnt bei 1)</translation>
    </message>
    <message>
        <source>Surfaces a path may meet before it is stopped (1 to 10000000)</source>
        <translation>Flächen, auf die ein Weg treffen darf, bevor er endet (1 bis 10000000)</translation>
    </message>
    <message>
        <source>Straight pieces the whole trace may hold (1 to 4000000)</source>
        <translation>Gerade Abschnitte, die die ganze Verfolgung enthalten darf (1 bis 4000000)</translation>
    </message>
    <message>
        <source>Turn Fresnel reflection on</source>
        <translation>Fresnel-Reflexion einschalten</translation>
    </message>
    <message>
        <source>Turn Fresnel reflection off</source>
        <translation>Fresnel-Reflexion ausschalten</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
    </message>
</context>
<context>
    <name>lumenary::boundary::BoundaryChart</name>
    <message>
        <source>Chart of the reflected and transmitted shares and the phases against the angle of incidence</source>
        <translation>Diagramm der reflektierten und durchgelassenen Anteile und der Phasen über dem Einfallswinkel</translation>
    </message>
    <message>
        <source>angle of incidence θ₁</source>
        <translation>Einfallswinkel θ₁</translation>
    </message>
    <message>
        <source>phase of r_s and r_p (degrees)</source>
        <translation>Phase von r_s und r_p (Grad)</translation>
    </message>
    <message>
        <source>unpolarised</source>
        <translation>unpolarisiert</translation>
    </message>
    <message>
        <source>R solid, T dashed</source>
        <translation>R voll, T gestrichelt</translation>
    </message>
    <message>
        <source>equal indices: nothing is reflected</source>
        <translation>gleiche Brechungsindizes: nichts wird reflektiert</translation>
    </message>
    <message>
        <source>Brewster %1°</source>
        <translation>Brewster %1°</translation>
    </message>
    <message>
        <source>critical %1°</source>
        <translation>Grenzwinkel %1°</translation>
    </message>
    <message>
        <source>θ₁ %1°</source>
        <translation>θ₁ %1°</translation>
    </message>
</context>
<context>
    <name>lumenary::boundary::BoundaryMedia</name>
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
        <source>benzene</source>
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
        <source>polystyrene</source>
        <translation>Polystyrol</translation>
    </message>
    <message>
        <source>heavy flint glass</source>
        <translation>Schwerflintglas</translation>
    </message>
    <message>
        <source>sapphire</source>
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
    <message>
        <source>Water (21.5 °C, measured)</source>
        <translation>Wasser (21,5 °C, gemessen)</translation>
    </message>
    <message>
        <source>water at 21.5 °C</source>
        <translation>Wasser bei 21,5 °C</translation>
    </message>
    <message>
        <source>Fused silica</source>
        <translation>Quarzglas</translation>
    </message>
    <message>
        <source>fused silica</source>
        <translation>Quarzglas</translation>
    </message>
    <message>
        <source>Crown glass N-BK7</source>
        <translation>Kronglas N-BK7</translation>
    </message>
    <message>
        <source>Flint glass F2</source>
        <translation>Flintglas F2</translation>
    </message>
</context>
<context>
    <name>lumenary::boundary::BoundaryPicture</name>
    <message>
        <source>field: E perpendicular to the plane (s)</source>
        <translation>Feld: E senkrecht zur Ebene (s)</translation>
    </message>
    <message>
        <source>field: H perpendicular to the plane (p)</source>
        <translation>Feld: H senkrecht zur Ebene (p)</translation>
    </message>
    <message>
        <source>field: the s part of unpolarised light</source>
        <translation>Feld: der s-Anteil des unpolarisierten Lichts</translation>
    </message>
    <message>
        <source>Picture of the light at the boundary</source>
        <translation>Bild des Lichts an der Grenzfläche</translation>
    </message>
    <message>
        <source>%1, n = %2</source>
        <translation>%1, n = %2</translation>
    </message>
    <message>
        <source>R %1 %</source>
        <translation>R %1 %</translation>
    </message>
    <message>
        <source>θ₁ %1°</source>
        <translation>θ₁ %1°</translation>
    </message>
    <message>
        <source>T %1 %</source>
        <translation>T %1 %</translation>
    </message>
    <message>
        <source>θ₂ %1°</source>
        <translation>θ₂ %1°</translation>
    </message>
    <message>
        <source>totally reflected</source>
        <translation>totalreflektiert</translation>
    </message>
    <message>
        <source>λ₁ %1 nm</source>
        <translation>λ₁ %1 nm</translation>
    </message>
    <message>
        <source>   λ₂ %1 nm</source>
        <translation>   λ₂ %1 nm</translation>
    </message>
    <message>
        <source>d %1 nm (field 1/e)</source>
        <translation>d %1 nm (Feld 1/e)</translation>
    </message>
    <message>
        <source>d %1 nm (field 1/e), beyond the picture</source>
        <translation>d %1 nm (Feld 1/e), außerhalb des Bildes</translation>
    </message>
</context>
<context>
    <name>lumenary::boundary::BoundaryText</name>
    <message>
        <source>totally reflected</source>
        <translation>totalreflektiert</translation>
    </message>
    <message>
        <source>none (equal indices)</source>
        <translation>keiner (gleiche Brechungsindizes)</translation>
    </message>
    <message>
        <source>none (n₁ ≤ n₂)</source>
        <translation>keiner (n₁ ≤ n₂)</translation>
    </message>
    <message>
        <source>unbounded at the critical angle</source>
        <translation>unbegrenzt beim Grenzwinkel</translation>
    </message>
    <message>
        <source>none (light is transmitted)</source>
        <translation>keine (Licht wird durchgelassen)</translation>
    </message>
    <message>
        <source>s-polarised light</source>
        <translation>s-polarisiertes Licht</translation>
    </message>
    <message>
        <source>p-polarised light</source>
        <translation>p-polarisiertes Licht</translation>
    </message>
    <message>
        <source>Unpolarised light</source>
        <translation>Unpolarisiertes Licht</translation>
    </message>
    <message>
        <source>%1, %2 in %3 onto %4: </source>
        <translation>%1, %2 in %3 auf %4: </translation>
    </message>
    <message>
        <source>%1 reflected, %2 transmitted at %3</source>
        <translation>%1 reflektiert, %2 durchgelassen unter %3</translation>
    </message>
    <message>
        <source>; waves of %1 nm in %2</source>
        <translation>; Wellen von %1 nm in %2</translation>
    </message>
    <message>
        <source>, an evanescent field in %1 falling to 1/e within %2 nm</source>
        <translation>, ein evaneszentes Feld in %1, das innerhalb von %2 nm auf 1/e abfällt</translation>
    </message>
    <message>
        <source> and %1 nm in %2</source>
        <translation> und %1 nm in %2</translation>
    </message>
    <message>
        <source>Shares reflected and transmitted for s, p and unpolarised light against the angle of incidence from 0° to 90°, %1 onto %2, </source>
        <translation>Reflektierte und durchgelassene Anteile für s-, p-polarisiertes und unpolarisiertes Licht über dem Einfallswinkel von 0° bis 90°, %1 auf %2, </translation>
    </message>
    <message>
        <source>Brewster&apos;s angle at %1</source>
        <translation>Brewster-Winkel bei %1</translation>
    </message>
    <message>
        <source>no reflection at any angle</source>
        <translation>keine Reflexion bei irgendeinem Winkel</translation>
    </message>
    <message>
        <source>, critical angle at %1</source>
        <translation>, Grenzwinkel bei %1</translation>
    </message>
    <message>
        <source>, no critical angle</source>
        <translation>, kein Grenzwinkel</translation>
    </message>
    <message>
        <source>; at %1: R_s %2, R_p %3, T_s %4, T_p %5. Below, the phases of r_s and r_p: %6 and %7.</source>
        <translation>; bei %1: R_s %2, R_p %3, T_s %4, T_p %5. Darunter die Phasen von r_s und r_p: %6 und %7.</translation>
    </message>
</context>
<context>
    <name>lumenary::rainbow::DeviationPanels</name>
    <message>
        <source>Choose a number of reflections to see its curves.</source>
        <translation>Wählen Sie eine Anzahl von Reflexionen, um ihre Kurven zu sehen.</translation>
    </message>
    <message>
        <source>Impact parameter b (0 = centre, 1 = rim); + marks each curve&apos;s least deviation, the rainbow ray</source>
        <translation>Einfallshöhe b (0 = Mitte, 1 = Rand); + markiert die kleinste Ablenkung jeder Kurve, den Regenbogenstrahl</translation>
    </message>
    <message>
        <source>Deviation D (°)</source>
        <translation>Ablenkwinkel D (°)</translation>
    </message>
    <message>
        <source>Deviation against impact parameter for %1</source>
        <translation>Ablenkung über der Einfallshöhe für %1</translation>
    </message>
    <message>
        <source>; %1: least deviation %2 (violet) to %3 (red)</source>
        <translation>; %1: kleinste Ablenkung %2 (Violett) bis %3 (Rot)</translation>
    </message>
</context>
<context>
    <name>lumenary::rainbow::DropView</name>
    <message>
        <source>Sunlight →</source>
        <translation>Sonnenlicht →</translation>
    </message>
    <message>
        <source>Bold: each colour&apos;s rainbow ray</source>
        <translation>Fett: der Regenbogenstrahl jeder Farbe</translation>
    </message>
    <message>
        <source>Rays of %1 through a drop</source>
        <translation>Strahlen in %1 durch einen Tropfen</translation>
    </message>
    <message>
        <source>; %1 rainbow rays leave at %2 (red) and %3 (violet) from the antisolar point</source>
        <translation>; Regenbogenstrahlen (%1) treten unter %2 (Rot) und %3 (Violett) zum Gegensonnenpunkt aus</translation>
    </message>
</context>
<context>
    <name>lumenary::rainbow::RainbowText</name>
    <message>
        <source>%1 colours from 400 to 700 nm</source>
        <translation>%1 Farben von 400 bis 700 nm</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Hauptbogen</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Nebenbogen</translation>
    </message>
    <message>
        <source>Third-order</source>
        <translation>Bogen 3. Ordnung</translation>
    </message>
    <message>
        <source>Fourth-order</source>
        <translation>Bogen 4. Ordnung</translation>
    </message>
    <message>
        <source>Fifth-order</source>
        <translation>Bogen 5. Ordnung</translation>
    </message>
    <message>
        <source>primary</source>
        <translation>Hauptbogen</translation>
    </message>
    <message>
        <source>secondary</source>
        <translation>Nebenbogen</translation>
    </message>
    <message>
        <source>third-order</source>
        <translation>Bogen 3. Ordnung</translation>
    </message>
    <message>
        <source>fourth-order</source>
        <translation>Bogen 4. Ordnung</translation>
    </message>
    <message>
        <source>fifth-order</source>
        <translation>Bogen 5. Ordnung</translation>
    </message>
</context>
<context>
    <name>lumenary::rainbow::SkyView</name>
    <message>
        <source>Angle from the antisolar point (sun behind you)</source>
        <translation>Winkel vom Gegensonnenpunkt (Sonne im Rücken)</translation>
    </message>
    <message>
        <source>dark band</source>
        <translation>dunkles Band</translation>
    </message>
    <message>
        <source>The sky from 0° to 60° from the antisolar point</source>
        <translation>Der Himmel von 0° bis 60° vom Gegensonnenpunkt</translation>
    </message>
    <message>
        <source>; the %1 bow lies beyond it, at %2</source>
        <comment>%1: primary, secondary, …</comment>
        <translation>; der %1 liegt außerhalb, bei %2</translation>
    </message>
    <message>
        <source>; %1 bow from %2 to %3, red %4</source>
        <comment>%1: primary, secondary, …; %4: outside or inside</comment>
        <translation>; %1 von %2 bis %3, Rot %4</translation>
    </message>
    <message>
        <source>outside</source>
        <translation>außen</translation>
    </message>
    <message>
        <source>inside</source>
        <translation>innen</translation>
    </message>
</context>
</TS>
