<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BenchFiles</name>
    <message>
        <source>The file could not be written whole.</source>
        <translation>No se pudo escribir el archivo entero.</translation>
    </message>
</context>
<context>
    <name>BenchText</name>
    <message numerus="yes">
        <source>%n elements</source>
        <translation>
            <numerusform>%n elemento</numerusform>
            <numerusform>%n elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>Ray</source>
        <translation>Rayo</translation>
    </message>
    <message>
        <source>Beam</source>
        <translation>Haz</translation>
    </message>
    <message>
        <source>Point source</source>
        <translation>Fuente puntual</translation>
    </message>
    <message>
        <source>Ideal lens</source>
        <translation>Lente ideal</translation>
    </message>
    <message>
        <source>Spherical lens</source>
        <translation>Lente esférica</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Espejo</translation>
    </message>
    <message>
        <source>Arc mirror</source>
        <translation>Espejo en arco</translation>
    </message>
    <message>
        <source>Parabolic mirror</source>
        <translation>Espejo parabólico</translation>
    </message>
    <message>
        <source>Glass block</source>
        <translation>Bloque de vidrio</translation>
    </message>
    <message>
        <source>Drop or ball lens</source>
        <translation>Gota o lente esférica</translation>
    </message>
    <message>
        <source>Beam splitter</source>
        <translation>Divisor de haz</translation>
    </message>
    <message>
        <source>Blocker</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detector</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Vertex</source>
        <translation>Vértice</translation>
    </message>
    <message>
        <source>Corners</source>
        <translation>Vértices</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Eje</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Anchura</translation>
    </message>
    <message>
        <source>Rays</source>
        <translation>Rayos</translation>
    </message>
    <message>
        <source>From angle</source>
        <translation>Ángulo inicial</translation>
    </message>
    <message>
        <source>To angle</source>
        <translation>Ángulo final</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Longitud de onda</translation>
    </message>
    <message>
        <source>Wavelengths of white light</source>
        <translation>Longitudes de onda de la luz blanca</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Apertura</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Distancia focal</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Grosor</translation>
    </message>
    <message>
        <source>Radius r1</source>
        <translation>Radio r1</translation>
    </message>
    <message>
        <source>Radius r2</source>
        <translation>Radio r2</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Reflectance</source>
        <translation>Reflectancia</translation>
    </message>
    <message>
        <source>Surroundings</source>
        <translation>Entorno</translation>
    </message>
    <message>
        <source>Fresnel reflection</source>
        <translation>Reflexión de Fresnel</translation>
    </message>
    <message>
        <source>Least intensity traced</source>
        <translation>Menor intensidad seguida</translation>
    </message>
    <message>
        <source>Interactions per path</source>
        <translation>Interacciones por camino</translation>
    </message>
    <message>
        <source>Segments in all</source>
        <translation>Segmentos en total</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>water</source>
        <translation>agua</translation>
    </message>
    <message>
        <source>fused silica</source>
        <translation>sílice fundida</translation>
    </message>
    <message>
        <source>index %1</source>
        <translation>índice %1</translation>
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
        <translation>luz blanca de %1 longitudes de onda</translation>
    </message>
    <message>
        <source>%1 nm</source>
        <translation>%1 nm</translation>
    </message>
    <message>
        <source>, afocal</source>
        <translation>, afocal</translation>
    </message>
    <message>
        <source>, %1 %2 (d line)</source>
        <translation>, %1 %2 (línea d)</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>, no rays caught</source>
        <translation>, ningún rayo captado</translation>
    </message>
    <message>
        <source>, 1 ray caught</source>
        <translation>, 1 rayo captado</translation>
    </message>
    <message numerus="yes">
        <source>, %n rays caught</source>
        <translation>
            <numerusform>, %n rayo captado</numerusform>
            <numerusform>, %n rayos captados</numerusform>
        </translation>
    </message>
    <message>
        <source>; %1 nm at %2, RMS %3</source>
        <translation>; %1 nm en %2, RMS %3</translation>
    </message>
    <message numerus="yes">
        <source>; and %n more wavelengths</source>
        <translation>
            <numerusform>; y %n longitud de onda más</numerusform>
            <numerusform>; y %n longitudes de onda más</numerusform>
        </translation>
    </message>
    <message>
        <source>not traced: %1 %2</source>
        <translation>no seguido: %1 %2</translation>
    </message>
    <message>
        <source>%1, from %2, direction %3</source>
        <translation>%1, desde %2, dirección %3</translation>
    </message>
    <message>
        <source>1 ray across %1, %2, from %3, direction %4</source>
        <translation>1 rayo a lo largo de %1, %2, desde %3, dirección %4</translation>
    </message>
    <message numerus="yes">
        <source>%n rays across %1, %2, from %3, direction %4</source>
        <translation>
            <numerusform>%n rayo a lo largo de %1, %2, desde %3, dirección %4</numerusform>
            <numerusform>%n rayos a lo largo de %1, %2, desde %3, dirección %4</numerusform>
        </translation>
    </message>
    <message>
        <source>1 ray from %1 to %2, %3, at %4</source>
        <translation>1 rayo de %1 a %2, %3, en %4</translation>
    </message>
    <message numerus="yes">
        <source>%n rays from %1 to %2, %3, at %4</source>
        <translation>
            <numerusform>%n rayo de %1 a %2, %3, en %4</numerusform>
            <numerusform>%n rayos de %1 a %2, %3, en %4</numerusform>
        </translation>
    </message>
    <message>
        <source>focal length %1, aperture %2, at %3, axis %4</source>
        <translation>distancia focal %1, apertura %2, en %3, eje %4</translation>
    </message>
    <message>
        <source>%1, thickness %2, radii %3 and %4 mm%5, aperture %6, at %7, axis %8</source>
        <translation>%1, grosor %2, radios %3 y %4 mm%5, apertura %6, en %7, eje %8</translation>
    </message>
    <message>
        <source>focal length</source>
        <translation>distancia focal</translation>
    </message>
    <message>
        <source>radius %1, focal length %2, %3</source>
        <translation>radio %1, distancia focal %2, %3</translation>
    </message>
    <message>
        <source>focal length %1, aperture %2, vertex at %3, axis %4</source>
        <translation>distancia focal %1, apertura %2, vértice en %3, eje %4</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n corners, first at %2</source>
        <translation>
            <numerusform>%1, %n vértice, el primero en %2</numerusform>
            <numerusform>%1, %n vértices, el primero en %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, radius %2, centre at %3</source>
        <translation>%1, radio %2, centro en %3</translation>
    </message>
    <message>
        <source>focal length from the centre</source>
        <translation>distancia focal desde el centro</translation>
    </message>
    <message>
        <source>, rainbow at %1 (d line)</source>
        <translation>, arco iris a %1 (línea d)</translation>
    </message>
    <message>
        <source>reflects %1 %, %2</source>
        <translation>refleja %1 %, %2</translation>
    </message>
    <message>
        <source>No light: add a ray, a beam or a point source</source>
        <translation>No hay luz: añade un rayo, un haz o una fuente puntual</translation>
    </message>
    <message>
        <source>%1; every path traced to its end</source>
        <translation>%1; cada camino seguido hasta el final</translation>
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
        <translation>1 camino</translation>
    </message>
    <message numerus="yes">
        <source>%Ln paths</source>
        <translation>
            <numerusform>%Ln camino</numerusform>
            <numerusform>%Ln caminos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 segment</source>
        <translation>1 segmento</translation>
    </message>
    <message numerus="yes">
        <source>%Ln segments</source>
        <translation>
            <numerusform>%Ln segmento</numerusform>
            <numerusform>%Ln segmentos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Tracing: %1; 1 path still to trace</source>
        <translation>Siguiendo: %1; falta 1 camino</translation>
    </message>
    <message numerus="yes">
        <source>Tracing: %1; %Ln paths still to trace</source>
        <translation>
            <numerusform>Siguiendo: %1; falta %Ln camino</numerusform>
            <numerusform>Siguiendo: %1; faltan %Ln caminos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 path stopped after %1 interactions</source>
        <translation>1 camino detenido tras %1 interacciones</translation>
    </message>
    <message numerus="yes">
        <source>%Ln paths stopped after %1 interactions</source>
        <translation>
            <numerusform>%Ln camino detenido tras %1 interacciones</numerusform>
            <numerusform>%Ln caminos detenidos tras %1 interacciones</numerusform>
        </translation>
    </message>
    <message>
        <source>1 part fainter than %1 not traced on</source>
        <translation>1 parte más débil que %1 no seguida</translation>
    </message>
    <message numerus="yes">
        <source>%Ln parts fainter than %1 not traced on</source>
        <translation>
            <numerusform>%Ln parte más débil que %1 no seguida</numerusform>
            <numerusform>%Ln partes más débiles que %1 no seguidas</numerusform>
        </translation>
    </message>
    <message>
        <source>1 path cut at the limit of %1 segments</source>
        <translation>1 camino cortado en el límite de %1 segmentos</translation>
    </message>
    <message numerus="yes">
        <source>%Ln paths cut at the limit of %1 segments</source>
        <translation>
            <numerusform>%Ln camino cortado en el límite de %1 segmentos</numerusform>
            <numerusform>%Ln caminos cortados en el límite de %1 segmentos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialogText</name>
    <message>
        <source>Optical Bench scenes (*.lumenary);;All files (*)</source>
        <translation>Escenas del banco óptico (*.lumenary);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open Scene</source>
        <translation>Abrir escena</translation>
    </message>
    <message>
        <source>Save Scene As</source>
        <translation>Guardar escena como</translation>
    </message>
    <message>
        <source>Optical Bench</source>
        <translation>Banco óptico</translation>
    </message>
    <message>
        <source>Save the changes to “%1” before closing?</source>
        <translation>¿Guardar los cambios de «%1» antes de cerrar?</translation>
    </message>
    <message>
        <source>Your changes are lost if you don’t save them.</source>
        <translation>Tus cambios se pierden si no los guardas.</translation>
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
        <translation>de -1000000 a 1000000 mm</translation>
    </message>
    <message>
        <source>from 0.001 to 1000000 mm</source>
        <translation>de 0,001 a 1000000 mm</translation>
    </message>
    <message>
        <source>from 0 to 1000000 mm</source>
        <translation>de 0 a 1000000 mm</translation>
    </message>
    <message>
        <source>from -1000000° to 1000000°</source>
        <translation>de -1000000° a 1000000°</translation>
    </message>
    <message>
        <source>a whole number from 1 to 250000</source>
        <translation>un número entero de 1 a 250000</translation>
    </message>
    <message>
        <source>from 0 to 1</source>
        <translation>de 0 a 1</translation>
    </message>
    <message>
        <source>A fixed refractive index, from 1 to 10</source>
        <translation>Un índice de refracción fijo, de 1 a 10</translation>
    </message>
    <message>
        <source>Fixed index</source>
        <translation>Índice fijo</translation>
    </message>
    <message>
        <source>A measured material, whose index follows the wavelength, or a fixed index</source>
        <translation>Un material medido, cuyo índice sigue la longitud de onda, o un índice fijo</translation>
    </message>
</context>
<context>
    <name>lumenary::AboutBox</name>
    <message>
        <source>In this lab students explore the basics of reflection and refraction of light with mirrors, lenses, drops and prisms. Designed by the Varnel Lumenary team, December 2026.</source>
        <translation>En este laboratorio los estudiantes exploran los fundamentos de la reflexión y la refracción de la luz con espejos, lentes, gotas y prismas. Diseñado por el equipo Varnel Lumenary, diciembre de 2026.</translation>
    </message>
    <message>
        <source>Warning: this program was written in one week. It is not free of errors, and it is being tried out on the students of this course. If something looks wrong, tell your instructor.</source>
        <translation>Atención: este programa se escribió en una semana. No está libre de errores y se está probando con los estudiantes de este curso. Si algo te parece incorrecto, díselo a tu profesor.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info &amp;sistema...</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>About Lumenary.Exe</source>
        <translation>Acerca de Lumenary.Exe</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>lumenary::BasicsWindow</name>
    <message>
        <source>Reflection and Refraction</source>
        <translation>Reflexión y refracción</translation>
    </message>
    <message>
        <source>The basics: reflection and refraction of a ray at the interface between two media</source>
        <translation>Lo básico: reflexión y refracción de un rayo en la superficie entre dos medios</translation>
    </message>
    <message>
        <source>Incident, reflected and refracted rays</source>
        <translation>Rayos incidente, reflejado y refractado</translation>
    </message>
    <message>
        <source>Angle of Incidence</source>
        <translation>Ángulo de incidencia</translation>
    </message>
    <message>
        <source>Angle of Reflection</source>
        <translation>Ángulo de reflexión</translation>
    </message>
    <message>
        <source>Angle of Refraction</source>
        <translation>Ángulo de refracción</translation>
    </message>
    <message>
        <source>Medium 1 - Index of Refraction</source>
        <translation>Medio 1 - Índice de refracción</translation>
    </message>
    <message>
        <source>Medium 2 - Index of Refraction</source>
        <translation>Medio 2 - Índice de refracción</translation>
    </message>
    <message>
        <source>Animated Wavefronts</source>
        <translation>Frentes de onda (vídeo)</translation>
    </message>
    <message>
        <source>Reflection</source>
        <translation>Reflexión</translation>
    </message>
    <message>
        <source>Refraction</source>
        <translation>Refracción</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>lumenary::BoundaryWindow</name>
    <message>
        <source>Light at a Boundary</source>
        <translation>Luz en una superficie de separación</translation>
    </message>
    <message>
        <source>The light at the boundary</source>
        <translation>La luz en la superficie de separación</translation>
    </message>
    <message>
        <source>The incident, reflected and transmitted light, each ray as wide as its share; with the wave view, the waves on both sides (Space plays or pauses them)</source>
        <translation>La luz incidente, reflejada y transmitida, cada rayo tan ancho como su fracción; con la vista de ondas, las ondas a ambos lados (Espacio las reproduce o las pausa)</translation>
    </message>
    <message>
        <source>Shares and phases against the angle of incidence</source>
        <translation>Fracciones y fases frente al ángulo de incidencia</translation>
    </message>
    <message>
        <source>Above: the shares reflected (solid) and transmitted (dashed) from 0° to 90°; below: the phases of r_s and r_p. The yellow line is the present angle</source>
        <translation>Arriba: las fracciones reflejadas (continua) y transmitidas (discontinua) de 0° a 90°; abajo: las fases de r_s y r_p. La línea amarilla es el ángulo actual</translation>
    </message>
    <message>
        <source>Angles and wavelengths</source>
        <translation>Ángulos y longitudes de onda</translation>
    </message>
    <message>
        <source>Amplitudes</source>
        <translation>Amplitudes</translation>
    </message>
    <message>
        <source>Hide this window; it opens again as you left it (Esc)</source>
        <translation>Ocultar esta ventana; se vuelve a abrir tal como la dejaste (Esc)</translation>
    </message>
    <message>
        <source>Shares of the power</source>
        <translation>Fracciones de la potencia</translation>
    </message>
    <message>
        <source>Unpolarised light</source>
        <translation>Luz no polarizada</translation>
    </message>
    <message>
        <source>The index of refraction at the wavelength set</source>
        <translation>El índice de refracción a la longitud de onda elegida</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>The medium the light comes from (above the boundary)</source>
        <translation>El medio del que viene la luz (encima de la superficie)</translation>
    </message>
    <message>
        <source>Index n₁</source>
        <translation>Índice n₁</translation>
    </message>
    <message>
        <source>Medium 1</source>
        <translation>Medio 1</translation>
    </message>
    <message>
        <source>The medium beyond the boundary (below it)</source>
        <translation>El medio al otro lado de la superficie (debajo)</translation>
    </message>
    <message>
        <source>Index n₂</source>
        <translation>Índice n₂</translation>
    </message>
    <message>
        <source>Medium 2</source>
        <translation>Medio 2</translation>
    </message>
    <message>
        <source>The wavelength in air; the measured materials&apos; indices follow it, the other media keep their fixed index</source>
        <translation>La longitud de onda en el aire; los índices de los materiales medidos la siguen, los demás medios conservan su índice fijo</translation>
    </message>
    <message>
        <source>Wavelength in air</source>
        <translation>Longitud de onda en el aire</translation>
    </message>
    <message>
        <source>Wavelength in air (nm)</source>
        <translation>Longitud de onda en el aire (nm)</translation>
    </message>
    <message>
        <source>The angle between the incoming light and the normal</source>
        <translation>El ángulo entre la luz incidente y la normal</translation>
    </message>
    <message>
        <source>Angle of incidence</source>
        <translation>Ángulo de incidencia</translation>
    </message>
    <message>
        <source>Angle of incidence θ₁ (°)</source>
        <translation>Ángulo de incidencia θ₁ (°)</translation>
    </message>
    <message>
        <source>s (E ⊥ plane of incidence)</source>
        <translation>s (E ⊥ plano de incidencia)</translation>
    </message>
    <message>
        <source>p (E ∥ plane of incidence)</source>
        <translation>p (E ∥ plano de incidencia)</translation>
    </message>
    <message>
        <source>unpolarised</source>
        <translation>no polarizada</translation>
    </message>
    <message>
        <source>Which way the electric field of the incoming light points</source>
        <translation>Hacia dónde apunta el campo eléctrico de la luz incidente</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarización</translation>
    </message>
    <message>
        <source>Show the waves</source>
        <translation>Mostrar las ondas</translation>
    </message>
    <message>
        <source>The field of the three waves instead of the medium colours, to scale: the wavelength in each medium is λ₀/n</source>
        <translation>El campo de las tres ondas en lugar de los colores de los medios, a escala: la longitud de onda en cada medio es λ₀/n</translation>
    </message>
    <message>
        <source>Play or pause the waves (Space on the picture)</source>
        <translation>Reproducir o pausar las ondas (Espacio sobre la imagen)</translation>
    </message>
    <message>
        <source>How many wave periods pass a second</source>
        <translation>Cuántos periodos pasan por segundo</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Speed (periods/s)</source>
        <translation>Velocidad (periodos/s)</translation>
    </message>
    <message>
        <source>Angle of refraction θ₂</source>
        <translation>Ángulo de refracción θ₂</translation>
    </message>
    <message>
        <source>Brewster&apos;s angle θ_B</source>
        <translation>Ángulo de Brewster θ_B</translation>
    </message>
    <message>
        <source>atan(n₂/n₁): p light is not reflected at this angle</source>
        <translation>atan(n₂/n₁): la luz polarizada p no se refleja con este ángulo</translation>
    </message>
    <message>
        <source>Critical angle θ_c</source>
        <translation>Ángulo crítico θ_c</translation>
    </message>
    <message>
        <source>asin(n₂/n₁), only where n₁ &gt; n₂: past it all the light is reflected</source>
        <translation>asen(n₂/n₁), solo si n₁ &gt; n₂: por encima, toda la luz se refleja</translation>
    </message>
    <message>
        <source>Wavelength in medium 1 λ₁</source>
        <translation>Longitud de onda en el medio 1 λ₁</translation>
    </message>
    <message>
        <source>Wavelength in medium 2 λ₂</source>
        <translation>Longitud de onda en el medio 2 λ₂</translation>
    </message>
    <message>
        <source>Penetration depth d</source>
        <translation>Profundidad de penetración d</translation>
    </message>
    <message>
        <source>How far into medium 2 the field of the evanescent wave falls to 1/e of its value at the boundary, past the critical angle</source>
        <translation>A qué profundidad en el medio 2 el campo de la onda evanescente cae a 1/e de su valor en la superficie, más allá del ángulo crítico</translation>
    </message>
    <message>
        <source>Amplitude r_s</source>
        <translation>Amplitud r_s</translation>
    </message>
    <message>
        <source>Amplitude r_p</source>
        <translation>Amplitud r_p</translation>
    </message>
    <message>
        <source>Amplitude t_s</source>
        <translation>Amplitud t_s</translation>
    </message>
    <message>
        <source>Amplitude t_p</source>
        <translation>Amplitud t_p</translation>
    </message>
    <message>
        <source>Signed; past the critical angle the magnitude ∠ how far the wave leads the incident one</source>
        <translation>Con signo; más allá del ángulo crítico, el módulo ∠ cuánto adelanta la onda a la incidente</translation>
    </message>
    <message>
        <source>Signed, by r_p = (n₂ cos θ₁ − n₁ cos θ₂) / (n₂ cos θ₁ + n₁ cos θ₂), so that r_p = −r_s head on; past the critical angle the magnitude ∠ how far the reflected wave leads the incident one</source>
        <translation>Con signo, según r_p = (n₂ cos θ₁ − n₁ cos θ₂) / (n₂ cos θ₁ + n₁ cos θ₂), de modo que r_p = −r_s en incidencia normal; más allá del ángulo crítico, el módulo ∠ cuánto adelanta la onda reflejada a la incidente</translation>
    </message>
    <message>
        <source>Reflected R_s</source>
        <translation>Reflejada R_s</translation>
    </message>
    <message>
        <source>Reflected R_p</source>
        <translation>Reflejada R_p</translation>
    </message>
    <message>
        <source>Transmitted T_s</source>
        <translation>Transmitida T_s</translation>
    </message>
    <message>
        <source>Transmitted T_p</source>
        <translation>Transmitida T_p</translation>
    </message>
    <message>
        <source>Reflected R</source>
        <translation>Reflejada R</translation>
    </message>
    <message>
        <source>Transmitted T</source>
        <translation>Transmitida T</translation>
    </message>
    <message>
        <source>R + T</source>
        <translation>R + T</translation>
    </message>
    <message>
        <source>All the light is either reflected or transmitted</source>
        <translation>Toda la luz se refleja o se transmite</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause the waves</source>
        <translation>Pausar las ondas</translation>
    </message>
    <message>
        <source>Play the waves</source>
        <translation>Reproducir las ondas</translation>
    </message>
</context>
<context>
    <name>lumenary::DepthWindow</name>
    <message>
        <source>Reflection and Refraction</source>
        <translation>Reflexión y refracción</translation>
    </message>
    <message>
        <source>Apparent depth: a fish seen from above the water, the moon seen from below it</source>
        <translation>Profundidad aparente: un pez visto desde encima del agua, la luna vista desde debajo</translation>
    </message>
    <message>
        <source>Fish under water, moon above it, and the rays seen</source>
        <translation>Pez bajo el agua, luna encima y los rayos vistos</translation>
    </message>
    <message>
        <source>Angle of Incidence</source>
        <translation>Ángulo de incidencia</translation>
    </message>
    <message>
        <source>Angle of Refraction</source>
        <translation>Ángulo de refracción</translation>
    </message>
    <message>
        <source>Medium 1 - Index of Refraction</source>
        <translation>Medio 1 - Índice de refracción</translation>
    </message>
    <message>
        <source>Medium 2 - Index of Refraction</source>
        <translation>Medio 2 - Índice de refracción</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>lumenary::DiagramDescription</name>
    <message>
        <source>Object %1 units in front of the mirror</source>
        <translation>Objeto a %1 unidades delante del espejo</translation>
    </message>
    <message>
        <source>Object %1 units behind the mirror</source>
        <translation>Objeto a %1 unidades detrás del espejo</translation>
    </message>
    <message>
        <source>Object %1 units left of the lens</source>
        <translation>Objeto a %1 unidades a la izquierda de la lente</translation>
    </message>
    <message>
        <source>Object %1 units right of the lens</source>
        <translation>Objeto a %1 unidades a la derecha de la lente</translation>
    </message>
    <message>
        <source>, image %1 units in front of it, %2</source>
        <translation>, imagen a %1 unidades delante de él, %2</translation>
    </message>
    <message>
        <source>, image %1 units behind it, %2</source>
        <translation>, imagen a %1 unidades detrás de él, %2</translation>
    </message>
    <message>
        <source>, image %1 units right of it, %2</source>
        <translation>, imagen a %1 unidades a su derecha, %2</translation>
    </message>
    <message>
        <source>, image %1 units left of it, %2</source>
        <translation>, imagen a %1 unidades a su izquierda, %2</translation>
    </message>
    <message>
        <source>real and upright.</source>
        <translation>real y derecha.</translation>
    </message>
    <message>
        <source>virtual and upright.</source>
        <translation>virtual y derecha.</translation>
    </message>
    <message>
        <source>real and inverted.</source>
        <translation>real e invertida.</translation>
    </message>
    <message>
        <source>virtual and inverted.</source>
        <translation>virtual e invertida.</translation>
    </message>
    <message>
        <source>real.</source>
        <translation>real.</translation>
    </message>
    <message>
        <source>virtual.</source>
        <translation>virtual.</translation>
    </message>
    <message>
        <source>%1, no image.</source>
        <translation>%1, sin imagen.</translation>
    </message>
</context>
<context>
    <name>lumenary::DispersiveMaterial</name>
    <message>
        <source>Water (21.5 °C)</source>
        <translation>Agua (21,5 °C)</translation>
    </message>
    <message>
        <source>Fused silica</source>
        <translation>Sílice fundida</translation>
    </message>
    <message>
        <source>Crown glass N-BK7</source>
        <translation>Vidrio crown N-BK7</translation>
    </message>
    <message>
        <source>Flint glass F2</source>
        <translation>Vidrio flint F2</translation>
    </message>
</context>
<context>
    <name>lumenary::DropDescription</name>
    <message>
        <source>No ray traced at height %1: the number of internal reflections is not usable.</source>
        <translation>Ningún rayo seguido a la altura %1: el número de reflexiones internas no es válido.</translation>
    </message>
    <message>
        <source>No ray traced at height %1: the drop must be optically denser than its surroundings.</source>
        <translation>Ningún rayo seguido a la altura %1: la gota debe ser más refringente que el medio que la rodea.</translation>
    </message>
    <message>
        <source>Ray at height %1 enters the drop at %2 degrees, refracts to %3 degrees, is reflected %4 time inside and leaves deviated by %5 degrees.</source>
        <translation>El rayo a la altura %1 entra en la gota a %2 grados, se refracta a %3 grados, se refleja %4 vez dentro y sale desviado %5 grados.</translation>
    </message>
    <message>
        <source>Ray at height %1 enters the drop at %2 degrees, refracts to %3 degrees, is reflected %4 times inside and leaves deviated by %5 degrees.</source>
        <translation>El rayo a la altura %1 entra en la gota a %2 grados, se refracta a %3 grados, se refleja %4 veces dentro y sale desviado %5 grados.</translation>
    </message>
</context>
<context>
    <name>lumenary::ExportActions</name>
    <message>
        <source>Save Picture As</source>
        <translation>Guardar imagen como</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save Picture As…</source>
        <translation>Guardar imagen como…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Copy Values</source>
        <translation>Copiar valores</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>The picture could not be saved as “%1”.

%2</source>
        <translation>No se pudo guardar la imagen como «%1».

%2</translation>
    </message>
    <message>
        <source>The picture could not be printed.</source>
        <translation>No se pudo imprimir la imagen.</translation>
    </message>
</context>
<context>
    <name>lumenary::ExternalOpen</name>
    <message>
        <source>Could not open the file %1.</source>
        <translation>No se pudo abrir el archivo %1.</translation>
    </message>
    <message>
        <source>Could not open %1.</source>
        <translation>No se pudo abrir %1.</translation>
    </message>
</context>
<context>
    <name>lumenary::InstructionsViewer</name>
    <message>
        <source>Lumenary Instructions</source>
        <translation>Instrucciones de Lumenary</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The instructions document &quot;%1&quot; was not found in any of these folders: %2.</source>
        <translation>El documento de instrucciones «%1» no se encontró en ninguna de estas carpetas: %2.</translation>
    </message>
    <message>
        <source>The instructions document &quot;%1&quot; could not be read as a rich-text document.</source>
        <translation>El documento de instrucciones «%1» no se pudo leer como documento RTF.</translation>
    </message>
</context>
<context>
    <name>lumenary::LanguageChoice</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System Language (%1)</source>
        <translation>Idioma del sistema (%1)</translation>
    </message>
</context>
<context>
    <name>lumenary::Launcher</name>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>From the Exploratorium</source>
        <translation>Del Exploratorium</translation>
    </message>
    <message>
        <source>See the Geometry Center</source>
        <translation>Ver el Geometry Center</translation>
    </message>
    <message>
        <source>Web Physics Sites</source>
        <translation>Física en la web</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Explore</source>
        <translation>Explorar</translation>
    </message>
    <message>
        <source>Plane Mirrors</source>
        <translation>Espejos planos</translation>
    </message>
    <message>
        <source>Concave Mirrors</source>
        <translation>Espejos cóncavos</translation>
    </message>
    <message>
        <source>Convex Mirrors</source>
        <translation>Espejos convexos</translation>
    </message>
    <message>
        <source>Apparent Depth</source>
        <translation>Profundidad aparente</translation>
    </message>
    <message>
        <source>Thin Lenses</source>
        <translation>Lentes delgadas</translation>
    </message>
    <message>
        <source>The Basics</source>
        <translation>Lo básico</translation>
    </message>
    <message>
        <source>Prism</source>
        <translation>Prisma</translation>
    </message>
    <message>
        <source>Sphere</source>
        <translation>Esfera</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Prism Spectrum</source>
        <translation>Espectro del prisma</translation>
    </message>
    <message>
        <source>Rainbow Colours</source>
        <translation>Colores del arco iris</translation>
    </message>
    <message>
        <source>Light at a Boundary</source>
        <translation>Luz en una superficie de separación</translation>
    </message>
    <message>
        <source>Optical Bench</source>
        <translation>Banco óptico</translation>
    </message>
</context>
<context>
    <name>lumenary::MaterialsTable</name>
    <message>
        <source>vacuum</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>air</source>
        <translation>aire</translation>
    </message>
    <message>
        <source>water</source>
        <translation>agua</translation>
    </message>
    <message>
        <source>acetone</source>
        <translation>acetona</translation>
    </message>
    <message>
        <source>ethanol</source>
        <translation>etanol</translation>
    </message>
    <message>
        <source>sugar solution</source>
        <translation>agua azucarada</translation>
    </message>
    <message>
        <source>quartz glass</source>
        <translation>vidrio de cuarzo</translation>
    </message>
    <message>
        <source>benzol</source>
        <translation>benceno</translation>
    </message>
    <message>
        <source>typical crown glass</source>
        <translation>crown típico</translation>
    </message>
    <message>
        <source>sodium chloride</source>
        <translation>cloruro de sodio</translation>
    </message>
    <message>
        <source>ploystyrene</source>
        <translation>poliestireno</translation>
    </message>
    <message>
        <source>heavy flint glass</source>
        <translation>flint pesado</translation>
    </message>
    <message>
        <source>saffire</source>
        <translation>zafiro</translation>
    </message>
    <message>
        <source>heaviest flint glass</source>
        <translation>flint muy pesado</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>diamante</translation>
    </message>
</context>
<context>
    <name>lumenary::MediumChooser</name>
    <message>
        <source>Medium %1</source>
        <translation>Medio %1</translation>
    </message>
    <message>
        <source>Medium %1 - Index of Refraction</source>
        <translation>Medio %1 - Índice de refracción</translation>
    </message>
</context>
<context>
    <name>lumenary::MirrorDescription</name>
    <message>
        <source>Plane mirror along y = 0, object at %1, no rays yet.</source>
        <translation>Espejo plano a lo largo de y = 0, objeto en %1, aún sin rayos.</translation>
    </message>
    <message>
        <source>Mirror 1 along the x axis and mirror 2 at %1 degrees to it, object at %2, no rays yet.</source>
        <translation>Espejo 1 a lo largo del eje x y espejo 2 a %1 grados de él, objeto en %2, aún sin rayos.</translation>
    </message>
    <message>
        <source>No ray to the eye at %1: it must be above the mirror and left of the object.</source>
        <translation>Ningún rayo hacia el ojo en %1: debe estar por encima del espejo y a la izquierda del objeto.</translation>
    </message>
    <message>
        <source>Ray from the object reflects off the mirror at x = %1 and reaches the eye at %2.</source>
        <translation>El rayo que sale del objeto se refleja en el espejo en x = %1 y llega al ojo en %2.</translation>
    </message>
    <message>
        <source>No ray to the eye at %1: it is outside the wedge between the mirrors.</source>
        <translation>Ningún rayo hacia el ojo en %1: está fuera de la cuña entre los espejos.</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>off mirror 1 at %1</source>
        <translation>en el espejo 1 en %1</translation>
    </message>
    <message>
        <source>off mirror 2 at %1</source>
        <translation>en el espejo 2 en %1</translation>
    </message>
    <message>
        <source>off mirror 1 at %1 then mirror 2 at %2</source>
        <translation>en el espejo 1 en %1 y luego en el espejo 2 en %2</translation>
    </message>
    <message>
        <source>off mirror 2 at %1 then mirror 1 at %2</source>
        <translation>en el espejo 2 en %1 y luego en el espejo 1 en %2</translation>
    </message>
    <message>
        <source>No ticked path reaches the eye at %1.</source>
        <translation>Ningún camino marcado llega al ojo en %1.</translation>
    </message>
    <message>
        <source>Rays from the object to the eye at %1 reflect %2.</source>
        <translation>Los rayos del objeto al ojo en %1 se reflejan %2.</translation>
    </message>
</context>
<context>
    <name>lumenary::ModernWindow</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>Dibujado con Varnel Lumenary.</translation>
    </message>
    <message>
        <source>Pictures are saved as PNG, SVG or PDF files: end the name with .png, .svg or .pdf.</source>
        <translation>Las imágenes se guardan como archivos PNG, SVG o PDF: termina el nombre en .png, .svg o .pdf.</translation>
    </message>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>No se ha podido dibujar la imagen.</translation>
    </message>
    <message>
        <source>The file could not be written whole.</source>
        <translation>No se ha podido escribir el archivo completo.</translation>
    </message>
</context>
<context>
    <name>lumenary::PictureSource</name>
    <message>
        <source>The drawing holds more than %1 lines and points; it is embedded as an image at twice the on-screen resolution.</source>
        <translation>El dibujo contiene más de %1 líneas y puntos; se incluye como imagen al doble de la resolución de pantalla.</translation>
    </message>
</context>
<context>
    <name>lumenary::PlaneMirrorWindow</name>
    <message>
        <source>Plane Mirrors</source>
        <translation>Espejos planos</translation>
    </message>
    <message>
        <source>Mirrors, object and rays</source>
        <translation>Espejos, objeto y rayos</translation>
    </message>
    <message>
        <source>Plane Mirror</source>
        <translation>Espejo plano</translation>
    </message>
    <message>
        <source>Two Mirrors</source>
        <translation>Dos espejos</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Angle between Mirrors</source>
        <translation>Ángulo entre espejos</translation>
    </message>
    <message>
        <source>Single Reflection</source>
        <translation>Reflexión simple</translation>
    </message>
    <message>
        <source>Mirror 1</source>
        <translation>Esp. 1</translation>
    </message>
    <message>
        <source>Mirror 2</source>
        <translation>Esp. 2</translation>
    </message>
    <message>
        <source>Double Reflection</source>
        <translation>Reflexión doble</translation>
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
        <translation>izquierda</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>inferior</translation>
    </message>
    <message>
        <source>Prism of apex angle %1 degrees, turned by %2 degrees.</source>
        <translation>Prisma de ángulo apical %1 grados, girado %2 grados.</translation>
    </message>
    <message>
        <source>The ray at height %1 finds no way into the prism.</source>
        <translation>El rayo a la altura %1 no encuentra entrada al prisma.</translation>
    </message>
    <message>
        <source>The ray at height %1 enters the %2 face and ends inside.</source>
        <translation>El rayo a la altura %1 entra por la cara %2 y termina dentro.</translation>
    </message>
    <message>
        <source>The ray at height %1 enters the %2 face; total internal reflection at the %3 face: no refracted ray.</source>
        <translation>El rayo a la altura %1 entra por la cara %2; reflexión total interna en la cara %3: no hay rayo refractado.</translation>
    </message>
    <message>
        <source>The ray at height %1 enters the %2 face and leaves through the %3 face at %4 degrees.</source>
        <translation>El rayo a la altura %1 entra por la cara %2 y sale por la cara %3 a %4 grados.</translation>
    </message>
    <message>
        <source>%1 of %2 rays meet the prism: %3 leave it, %4 are totally reflected inside; the last to leave heads at %5 degrees.</source>
        <translation>%1 de %2 rayos llegan al prisma: %3 salen de él, %4 se reflejan totalmente dentro; el último en salir va a %5 grados.</translation>
    </message>
    <message>
        <source>%1 of %2 rays meet the prism: %3 leave it, %4 are totally reflected inside.</source>
        <translation>%1 de %2 rayos llegan al prisma: %3 salen de él, %4 se reflejan totalmente dentro.</translation>
    </message>
</context>
<context>
    <name>lumenary::PrismDeviationChart</name>
    <message>
        <source>Angle of incidence (°)</source>
        <translation>Ángulo de incidencia (°)</translation>
    </message>
    <message>
        <source>Deviation δ (°)</source>
        <translation>Desviación δ (°)</translation>
    </message>
    <message>
        <source>%1 line, %2 nm</source>
        <translation>línea %1, %2 nm</translation>
    </message>
    <message>
        <source>present incidence</source>
        <translation>incidencia actual</translation>
    </message>
    <message>
        <source>minimum deviation</source>
        <translation>desviación mínima</translation>
    </message>
    <message>
        <source>deviation now</source>
        <translation>desviación actual</translation>
    </message>
</context>
<context>
    <name>lumenary::PrismSpectrumWindow</name>
    <message>
        <source>none in 0°–89°</source>
        <translation>ninguna entre 0° y 89°</translation>
    </message>
    <message>
        <source>totally reflected</source>
        <translation>reflejada totalmente</translation>
    </message>
    <message>
        <source>Prism Spectrum</source>
        <translation>Espectro del prisma</translation>
    </message>
    <message>
        <source>White light through the prism</source>
        <translation>Luz blanca a través del prisma</translation>
    </message>
    <message>
        <source>Deviation against the angle of incidence</source>
        <translation>Desviación frente al ángulo de incidencia</translation>
    </message>
    <message>
        <source>Hide this window (Esc)</source>
        <translation>Ocultar esta ventana (Esc)</translation>
    </message>
    <message>
        <source>Prism and light</source>
        <translation>Prisma y luz</translation>
    </message>
    <message>
        <source>The prism&apos;s material, with its measured dispersion</source>
        <translation>El material del prisma, con su dispersión medida</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>The angle between the two faces the light crosses</source>
        <translation>El ángulo entre las dos caras que atraviesa la luz</translation>
    </message>
    <message>
        <source>Apex angle</source>
        <translation>Ángulo apical</translation>
    </message>
    <message>
        <source>The angle between the incoming light and the normal to the first face</source>
        <translation>El ángulo entre la luz incidente y la normal a la primera cara</translation>
    </message>
    <message>
        <source>Angle of incidence</source>
        <translation>Ángulo de incidencia</translation>
    </message>
    <message>
        <source>How many wavelengths, spread evenly from 400 to 700 nm</source>
        <translation>Cuántas longitudes de onda, repartidas por igual de 400 a 700 nm</translation>
    </message>
    <message>
        <source>Wavelengths (400–700 nm)</source>
        <translation>Longitudes de onda (400–700 nm)</translation>
    </message>
    <message>
        <source>A single ray</source>
        <translation>Un solo rayo</translation>
    </message>
    <message>
        <source>A narrow parallel beam</source>
        <translation>Un haz paralelo estrecho</translation>
    </message>
    <message>
        <source>One ray, or a narrow beam of parallel rays</source>
        <translation>Un rayo, o un haz estrecho de rayos paralelos</translation>
    </message>
    <message>
        <source>Beam width</source>
        <translation>Anchura del haz</translation>
    </message>
    <message>
        <source>Read-outs</source>
        <translation>Lecturas</translation>
    </message>
    <message>
        <source>Index n_d (587.56 nm)</source>
        <translation>Índice n_d (587,56 nm)</translation>
    </message>
    <message>
        <source>Index n_F (486.13 nm)</source>
        <translation>Índice n_F (486,13 nm)</translation>
    </message>
    <message>
        <source>Index n_C (656.27 nm)</source>
        <translation>Índice n_C (656,27 nm)</translation>
    </message>
    <message>
        <source>Abbe number V_d</source>
        <translation>Número de Abbe V_d</translation>
    </message>
    <message>
        <source>Deviation (d line)</source>
        <translation>Desviación (línea d)</translation>
    </message>
    <message>
        <source>Deviation (F line)</source>
        <translation>Desviación (línea F)</translation>
    </message>
    <message>
        <source>Deviation (C line)</source>
        <translation>Desviación (línea C)</translation>
    </message>
    <message>
        <source>Spread δ_F − δ_C</source>
        <translation>Separación δ_F − δ_C</translation>
    </message>
    <message>
        <source>Minimum deviation (d line)</source>
        <translation>Desviación mínima (línea d)</translation>
    </message>
    <message>
        <source>Incidence at the minimum (d line)</source>
        <translation>Incidencia en el mínimo (línea d)</translation>
    </message>
    <message>
        <source>Spectrometer n = sin((A + δ_min)/2) / sin(A/2)</source>
        <translation>Espectrómetro n = sen((A + δ_min)/2) / sen(A/2)</translation>
    </message>
    <message>
        <source>The index a spectrometer finds from the apex angle and the minimum deviation of the d line</source>
        <translation>El índice que un espectrómetro obtiene del ángulo apical y de la desviación mínima de la línea d</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>A %1 prism of %2 with white light at %3 incidence, split into %4 colours from 400 to 700 nm. </source>
        <translation>Un prisma de %1 de %2 con luz blanca a %3 de incidencia, separada en %4 colores de 400 a 700 nm. </translation>
    </message>
    <message>
        <source>Every colour is totally reflected at the second face.</source>
        <translation>Todos los colores sufren reflexión total en la segunda cara.</translation>
    </message>
    <message>
        <source>%1 colours, from violet on, are totally reflected inside; the rest leave, red deviated least.</source>
        <translation>%1 colores, desde el violeta, sufren reflexión total dentro; el resto sale, el rojo el menos desviado.</translation>
    </message>
    <message>
        <source>Every colour leaves the prism, violet deviated most, red least.</source>
        <translation>Todos los colores salen del prisma, el violeta el más desviado, el rojo el menos.</translation>
    </message>
    <message>
        <source>Deviation of the F, d and C lines from 0° to 89° incidence. </source>
        <translation>Desviación de las líneas F, d y C con incidencia de 0° a 89°. </translation>
    </message>
    <message>
        <source>The d line&apos;s minimum is %1 at %2 incidence.</source>
        <translation>El mínimo de la línea d es %1 con %2 de incidencia.</translation>
    </message>
    <message>
        <source>The d line has no minimum in that range.</source>
        <translation>La línea d no tiene mínimo en ese intervalo.</translation>
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
        <translation>Prisma y rayos</translation>
    </message>
    <message>
        <source>Prism rotation</source>
        <translation>Giro del prisma</translation>
    </message>
    <message>
        <source>Rotation angle</source>
        <translation>Ángulo de giro</translation>
    </message>
    <message>
        <source>Plot Prism</source>
        <translation>Trazar prisma</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Apex Angle</source>
        <translation>Ángulo apical</translation>
    </message>
    <message>
        <source># Rays</source>
        <translation>Rayos</translation>
    </message>
    <message>
        <source>Incident Rays Only</source>
        <translation>Solo los que inciden</translation>
    </message>
    <message>
        <source>Bottom Incident Rays</source>
        <translation>Entrada por la base</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Indices of Refraction</source>
        <translation>Índices de refracción</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Prism</source>
        <comment>the prism&apos;s index</comment>
        <translation>Prisma</translation>
    </message>
    <message>
        <source>Plot One Ray</source>
        <translation>Trazar un rayo</translation>
    </message>
    <message>
        <source>at height</source>
        <translation>a altura</translation>
    </message>
    <message>
        <source>Angle of Incidence</source>
        <translation>Ángulo de incidencia</translation>
    </message>
    <message>
        <source>Angle of Refraction</source>
        <translation>Ángulo de refracción</translation>
    </message>
    <message>
        <source>Left Surface</source>
        <translation>Cara izquierda</translation>
    </message>
    <message>
        <source>Right Surface</source>
        <translation>Cara derecha</translation>
    </message>
    <message>
        <source>Bottom Surface</source>
        <translation>Cara inferior</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Desvío</translation>
    </message>
</context>
<context>
    <name>lumenary::RainbowColoursWindow</name>
    <message>
        <source>Rainbow Colours</source>
        <translation>Colores del arco iris</translation>
    </message>
    <message>
        <source>Hide the window; it opens again as you left it (Esc)</source>
        <translation>Ocultar la ventana; se vuelve a abrir tal como la dejaste (Esc)</translation>
    </message>
    <message>
        <source>Deviation curves</source>
        <translation>Curvas de desviación</translation>
    </message>
    <message>
        <source>Deviation D against impact parameter b for each colour; the least deviation of each curve is its rainbow ray</source>
        <translation>Desviación D frente a la altura de incidencia b para cada color; la desviación mínima de cada curva es su rayo del arco iris</translation>
    </message>
    <message>
        <source>Rays through the drop</source>
        <translation>Rayos a través de la gota</translation>
    </message>
    <message>
        <source>Sunlight entering a drop, reflected inside and leaving, in each colour; the rainbow rays in bold</source>
        <translation>La luz del sol que entra en una gota, se refleja dentro y sale, en cada color; los rayos del arco iris en negrita</translation>
    </message>
    <message>
        <source>The sky</source>
        <translation>El cielo</translation>
    </message>
    <message>
        <source>The bows as you see them with the sun behind you, out to 60° from the antisolar point</source>
        <translation>Los arcos tal como los ves con el sol a tu espalda, hasta 60° del punto antisolar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>What the drop is made of: water, or a glass to compare</source>
        <translation>De qué está hecha la gota: agua, o un vidrio para comparar</translation>
    </message>
    <message>
        <source>&amp;Liquid:</source>
        <translation>&amp;Líquido:</translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation>Líquido</translation>
    </message>
    <message>
        <source>1 (primary)</source>
        <translation>1 (primario)</translation>
    </message>
    <message>
        <source>2 (secondary)</source>
        <translation>2 (secundario)</translation>
    </message>
    <message>
        <source>Show light leaving after 1 internal reflection</source>
        <translation>Mostrar la luz que sale tras 1 reflexión interna</translation>
    </message>
    <message>
        <source>Show light leaving after %1 internal reflections</source>
        <translation>Mostrar la luz que sale tras %1 reflexiones internas</translation>
    </message>
    <message>
        <source>%1 bow: light leaving after 1 reflection inside the drop</source>
        <translation>%1: luz que sale tras 1 reflexión dentro de la gota</translation>
    </message>
    <message>
        <source>%1 bow: light leaving after %2 reflections inside the drop</source>
        <translation>%1: luz que sale tras %2 reflexiones dentro de la gota</translation>
    </message>
    <message>
        <source>&amp;Internal reflections:</source>
        <translation>Reflexiones &amp;internas:</translation>
    </message>
    <message>
        <source>How many colours, evenly from 400 to 700 nm</source>
        <translation>Cuántos colores, repartidos por igual de 400 a 700 nm</translation>
    </message>
    <message>
        <source>&amp;Wavelengths N (400–700 nm):</source>
        <translation>&amp;Longitudes de onda N (400–700 nm):</translation>
    </message>
    <message>
        <source>Wavelengths N (400–700 nm)</source>
        <translation>Longitudes de onda N (400–700 nm)</translation>
    </message>
    <message>
        <source>Rainbow angles from the antisolar point</source>
        <translation>Ángulos de los arcos desde el punto antisolar</translation>
    </message>
    <message>
        <source>%1 bow, red (700 nm)</source>
        <translation>%1, rojo (700 nm)</translation>
    </message>
    <message>
        <source>%1 bow, violet (400 nm)</source>
        <translation>%1, violeta (400 nm)</translation>
    </message>
    <message>
        <source>%1 bow width</source>
        <translation>%1, anchura</translation>
    </message>
    <message>
        <source>Alexander&apos;s dark band width</source>
        <translation>Anchura de la banda oscura de Alejandro</translation>
    </message>
    <message>
        <source>Curve minima against closed form</source>
        <translation>Mínimos de las curvas frente a fórmula cerrada</translation>
    </message>
    <message>
        <source>The largest difference between a plotted curve&apos;s least deviation, found numerically, and the closed form cos² i = (n² − 1) / (k(k + 2))</source>
        <translation>La mayor diferencia entre la desviación mínima de una curva dibujada, hallada numéricamente, y la fórmula cerrada cos² i = (n² − 1) / (k(k + 2))</translation>
    </message>
    <message>
        <source>needs the primary and secondary</source>
        <translation>necesita los arcos primario y secundario</translation>
    </message>
    <message>
        <source>The span of angles from the antisolar point that the bow&apos;s colours cover. Angles fold at 180° (straight back toward the sun) and at 0°: a bow whose colours run past a fold reaches it and turns back, so its width runs from its edge nearest the fold to the fold, not from red to violet</source>
        <translation>El intervalo de ángulos desde el punto antisolar que cubren los colores del arco. Los ángulos se pliegan en 180° (justo hacia el sol) y en 0°: un arco cuyos colores pasan de un pliegue lo alcanza y vuelve; su anchura va entonces de su borde más cercano al pliegue hasta el pliegue, no del rojo al violeta</translation>
    </message>
    <message>
        <source>The secondary bow&apos;s inner edge minus the primary bow&apos;s outer edge; shown only while both bows are ticked</source>
        <translation>Borde interior del arco secundario menos borde exterior del arco primario; solo se muestra cuando ambos arcos están marcados</translation>
    </message>
</context>
<context>
    <name>lumenary::RainbowWindow</name>
    <message>
        <source>Refraction and Reflection in a Spherical Drop</source>
        <translation>Refracción y reflexión en una gota esférica</translation>
    </message>
    <message>
        <source>Ray through a spherical drop</source>
        <translation>Rayo a través de una gota esférica</translation>
    </message>
    <message>
        <source>Incidence Height</source>
        <translation>Altura de incidencia</translation>
    </message>
    <message>
        <source>Clear Automatically</source>
        <translation>Borrado automático</translation>
    </message>
    <message>
        <source># Internal Reflections</source>
        <translation>Reflexiones internas</translation>
    </message>
    <message>
        <source>Indices of Refraction </source>
        <translation>Índices de refracción</translation>
    </message>
    <message>
        <source>Angle of Incidence</source>
        <translation>Ángulo de incidencia</translation>
    </message>
    <message>
        <source>Angle of Refraction</source>
        <translation>Ángulo de refracción</translation>
    </message>
    <message>
        <source>Angle of Deviation</source>
        <translation>Ángulo de desviación</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>lumenary::RayDiagramWindow</name>
    <message>
        <source>Ray diagram: %1</source>
        <translation>Diagrama de rayos: %1</translation>
    </message>
    <message>
        <source>Object Position</source>
        <translation>Posición objeto</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>x-range</source>
        <translation>rango x</translation>
    </message>
    <message>
        <source>y-range</source>
        <translation>rango y</translation>
    </message>
    <message>
        <source>left edge</source>
        <translation>borde izquierdo</translation>
    </message>
    <message>
        <source>right edge</source>
        <translation>borde derecho</translation>
    </message>
    <message>
        <source>bottom edge</source>
        <translation>borde inferior</translation>
    </message>
    <message>
        <source>top edge</source>
        <translation>borde superior</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Parámetros</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Clear Plot</source>
        <translation>Borrar gráfico</translation>
    </message>
    <message>
        <source>Setup system</source>
        <translation>Montar sistema</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valores</translation>
    </message>
    <message>
        <source>Thin Lenses</source>
        <translation>Lentes delgadas</translation>
    </message>
    <message>
        <source>Spherical Mirrors - Concave</source>
        <translation>Espejos esféricos - cóncavos</translation>
    </message>
    <message>
        <source>Spherical Mirrors - Convex</source>
        <translation>Espejos esféricos - convexos</translation>
    </message>
</context>
<context>
    <name>lumenary::RefractionDescription</name>
    <message>
        <source>Incident ray at %1 degrees to the normal, reflected ray at %1 degrees, total internal reflection: no refracted ray.</source>
        <translation>Rayo incidente a %1 grados de la normal, rayo reflejado a %1 grados, reflexión total interna: no hay rayo refractado.</translation>
    </message>
    <message>
        <source>Incident ray at %1 degrees to the normal, reflected ray at %1 degrees, refracted ray at %2 degrees.</source>
        <translation>Rayo incidente a %1 grados de la normal, rayo reflejado a %1 grados, rayo refractado a %2 grados.</translation>
    </message>
    <message>
        <source>Total internal reflection: no ray from the fish reaches the eye at %1.</source>
        <translation>Reflexión total interna: ningún rayo del pez llega al ojo en %1.</translation>
    </message>
    <message>
        <source>Total internal reflection: no ray from the moon reaches the eye at %1.</source>
        <translation>Reflexión total interna: ningún rayo de la luna llega al ojo en %1.</translation>
    </message>
    <message>
        <source>The eye at %1 sees the fish at %2 by a ray crossing the interface at x = %3; its image appears at %4.</source>
        <translation>El ojo en %1 ve el pez en %2 mediante un rayo que cruza la superficie en x = %3; su imagen aparece en %4.</translation>
    </message>
    <message>
        <source>The eye at %1 sees the moon at %2 by a ray crossing the interface at x = %3; its image appears at %4.</source>
        <translation>El ojo en %1 ve la luna en %2 mediante un rayo que cruza la superficie en x = %3; su imagen aparece en %4.</translation>
    </message>
</context>
<context>
    <name>lumenary::Trace</name>
    <message>
        <source>usage: lumenary-trace SCENE [--json] [--svg FILE] [--png FILE] [--size WxH]</source>
        <translation>uso: lumenary-trace ESCENA [--json] [--svg ARCHIVO] [--png ARCHIVO] [--size AxA]</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>--size takes WIDTHxHEIGHT in pixels, each from 16 to 10000: %1</source>
        <translation>--size espera ANCHOxALTO en píxeles, cada uno de 16 a 10000: %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>one scene file at a time: %1</source>
        <translation>un solo archivo de escena a la vez: %1</translation>
    </message>
    <message>
        <source>no scene file given</source>
        <translation>no se ha indicado ningún archivo de escena</translation>
    </message>
    <message>
        <source>Optical Bench scene</source>
        <translation>Escena del banco óptico</translation>
    </message>
    <message>
        <source>read error</source>
        <translation>error de lectura</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: no se puede leer: %2</translation>
    </message>
    <message>
        <source>%1: %2 paths, %3 segments; cut by max_interactions %4, min_intensity %5, max_segments %6</source>
        <translation>%1: %2 caminos, %3 segmentos; cortados por max_interactions %4, min_intensity %5, max_segments %6</translation>
    </message>
    <message>
        <source>%1: could not be written</source>
        <translation>%1: no se pudo escribir</translation>
    </message>
</context>
<context>
    <name>lumenary::WindowValues</name>
    <message>
        <source>on</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>off</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>lumenary::bench::BenchDocument</name>
    <message>
        <source>Add %1</source>
        <translation>Añadir %1</translation>
    </message>
    <message numerus="yes">
        <source>Add %n elements</source>
        <translation>
            <numerusform>Añadir %n elemento</numerusform>
            <numerusform>Añadir %n elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Borrar %1</translation>
    </message>
</context>
<context>
    <name>lumenary::bench::BenchPicture</name>
    <message>
        <source>Optical bench</source>
        <translation>Banco óptico</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>Mover %1</translation>
    </message>
    <message>
        <source>Rotate %1</source>
        <translation>Girar %1</translation>
    </message>
    <message>
        <source>1 element; </source>
        <translation>1 elemento; </translation>
    </message>
    <message numerus="yes">
        <source>%n elements; </source>
        <translation>
            <numerusform>%n elemento; </numerusform>
            <numerusform>%n elementos; </numerusform>
        </translation>
    </message>
    <message>
        <source>Resize %1</source>
        <translation>Cambiar tamaño de %1</translation>
    </message>
</context>
<context>
    <name>lumenary::bench::BenchWindow</name>
    <message>
        <source>Optical Bench</source>
        <translation>Banco óptico</translation>
    </message>
    <message>
        <source>&amp;Add:</source>
        <translation>&amp;Añadir:</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>Exportar imagen…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open &amp;Example</source>
        <translation>Abrir &amp;ejemplo</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>D&amp;uplicar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>A&amp;justar</translation>
    </message>
    <message>
        <source>Show &amp;Grid</source>
        <translation>Mostrar &amp;cuadrícula</translation>
    </message>
    <message>
        <source>E&amp;lement</source>
        <translation>E&amp;lemento</translation>
    </message>
    <message>
        <source>&amp;Scene</source>
        <translation>E&amp;scena</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>%1[*] — Optical Bench</source>
        <translation>%1[*] — Banco óptico</translation>
    </message>
    <message>
        <source>Not added: a scene holds at most 10000 elements.</source>
        <translation>No añadido: una escena contiene como máximo 10000 elementos.</translation>
    </message>
    <message>
        <source>Not added: the scene would start more than 250000 paths (rays × wavelengths).</source>
        <translation>No añadido: la escena empezaría más de 250000 caminos (rayos × longitudes de onda).</translation>
    </message>
    <message>
        <source>Copied the picture</source>
        <translation>Imagen copiada</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n elements as scene text</source>
        <translation>
            <numerusform>%n elemento copiado como texto de escena</numerusform>
            <numerusform>%n elementos copiados como texto de escena</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing pasted: the clipboard holds no scene (%1)</source>
        <translation>Nada pegado: el portapapeles no contiene ninguna escena (%1)</translation>
    </message>
    <message>
        <source>clipboard</source>
        <translation>portapapeles</translation>
    </message>
    <message>
        <source>Nothing pasted: the scene on the clipboard has no elements</source>
        <translation>Nada pegado: la escena del portapapeles no tiene elementos</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>Pegar %1</translation>
    </message>
    <message>
        <source>Duplicate %1</source>
        <translation>Duplicar %1</translation>
    </message>
    <message>
        <source>A new, empty scene</source>
        <translation>Una escena nueva y vacía</translation>
    </message>
    <message>
        <source>The scene could not be opened.

%1</source>
        <translation>No se pudo abrir la escena.

%1</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 abierto</translation>
    </message>
    <message>
        <source>%1 (example)</source>
        <translation>%1 (ejemplo)</translation>
    </message>
    <message>
        <source>Opened the example %1</source>
        <translation>Ejemplo %1 abierto</translation>
    </message>
    <message>
        <source>The scene could not be saved as “%1”.

%2</source>
        <translation>No se pudo guardar la escena como «%1».

%2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 guardado</translation>
    </message>
    <message>
        <source>Restored the scene kept on %1</source>
        <translation>Restaurada la escena guardada el %1</translation>
    </message>
    <message>
        <source>The recovery file could not be written in %1</source>
        <translation>No se pudo escribir el archivo de recuperación en %1</translation>
    </message>
    <message>
        <source>The Optical Bench&apos;s scene “%1” was not saved when Varnel Lumenary last ended; a copy was kept on %2. Restore it?</source>
        <translation>La escena «%1» del banco óptico no estaba guardada al cerrarse Varnel Lumenary por última vez; se guardó una copia el %2. ¿Restaurarla?</translation>
    </message>
</context>
<context>
    <name>lumenary::bench::DetectorChart</name>
    <message>
        <source>Intensity along the detector</source>
        <translation>Intensidad a lo largo del detector</translation>
    </message>
    <message>
        <source>1 ray caught; the most light at %1 from the detector&apos;s start</source>
        <translation>1 rayo captado; la mayor parte de la luz a %1 del inicio del detector</translation>
    </message>
    <message numerus="yes">
        <source>%n rays caught; the most light at %1 from the detector&apos;s start</source>
        <translation>
            <numerusform>%n rayo captado; la mayor parte de la luz a %1 del inicio del detector</numerusform>
            <numerusform>%n rayos captados; la mayor parte de la luz a %1 del inicio del detector</numerusform>
        </translation>
    </message>
    <message>
        <source>No light reaches the detector.</source>
        <translation>Ninguna luz llega al detector.</translation>
    </message>
</context>
<context>
    <name>lumenary::bench::ElementPalette</name>
    <message>
        <source>Elements to add</source>
        <translation>Elementos para añadir</translation>
    </message>
    <message>
        <source>Click an element (or press Enter) to add it in the middle of the picture, or drag it to where it belongs</source>
        <translation>Haz clic en un elemento (o pulsa Intro) para añadirlo en el centro de la imagen, o arrástralo a su sitio</translation>
    </message>
    <message>
        <source>Add a %1</source>
        <translation>Añadir: %1</translation>
    </message>
</context>
<context>
    <name>lumenary::bench::Examples</name>
    <message>
        <source>Achromatic doublet</source>
        <translation>Doblete acromático</translation>
    </message>
    <message>
        <source>Kepler telescope</source>
        <translation>Telescopio de Kepler</translation>
    </message>
    <message>
        <source>Optical fibre</source>
        <translation>Fibra óptica</translation>
    </message>
    <message>
        <source>Parabolic and spherical mirror</source>
        <translation>Espejo parabólico y espejo esférico</translation>
    </message>
    <message>
        <source>Prism spectrometer</source>
        <translation>Espectrómetro de prisma</translation>
    </message>
    <message>
        <source>Thick lens camera</source>
        <translation>Cámara de lente gruesa</translation>
    </message>
    <message>
        <source>Water drop</source>
        <translation>Gota de agua</translation>
    </message>
    <message>
        <source>An achromatic doublet: a converging lens of crown glass N-BK7 cemented to a weaker diverging lens of flint glass F2, which spreads the colours more. Their dispersions cancel, so the F (blue) and C (red) lines meet at the same focus, about 95.6 mm behind the last surface.</source>
        <translation>Un doblete acromático: una lente convergente de vidrio crown N-BK7 pegada a una lente divergente más débil de vidrio flint F2, que separa más los colores. Sus dispersiones se compensan, de modo que las líneas F (azul) y C (roja) se encuentran en el mismo foco, a unos 95,6 mm detrás de la última superficie.</translation>
    </message>
    <message>
        <source>A Kepler telescope: an objective of 200 mm and an eyepiece of 50 mm focal length, 250 mm apart, so that parallel light leaves parallel. A beam tilted by 1 degree leaves tilted by about -4 degrees: the angular magnification is -200/50 = -4, and the detector sits in the exit pupil.</source>
        <translation>Un telescopio de Kepler: un objetivo de 200 mm y un ocular de 50 mm de distancia focal, separados 250 mm, de modo que la luz paralela sale paralela. Un haz inclinado 1 grado sale inclinado unos -4 grados: el aumento angular es -200/50 = -4, y el detector está en la pupila de salida.</translation>
    </message>
    <message>
        <source>An optical fibre: a core of flint glass F2 inside a cladding of crown glass N-BK7, in a light-tight jacket. Light that meets the core&apos;s wall beyond the critical angle (about 69.4 degrees) is totally reflected and guided to the far end; steeper light leaks into the cladding and is lost in the jacket. The acceptance angle in air is about 34.7 degrees.</source>
        <translation>Una fibra óptica: un núcleo de vidrio flint F2 dentro de un revestimiento de vidrio crown N-BK7, en una cubierta opaca. La luz que incide en la pared del núcleo por encima del ángulo crítico (unos 69,4 grados) se refleja totalmente y se guía hasta el otro extremo; la luz más inclinada pasa al revestimiento y se pierde en la cubierta. El ángulo de aceptación en el aire es de unos 34,7 grados.</translation>
    </message>
    <message>
        <source>Two concave mirrors of the same focal length (50 mm) side by side. The parabolic mirror above sends every ray parallel to its axis through one point; the spherical mirror below focuses its edge rays short of its paraxial focus (spherical aberration), so its spot at the focal plane has a width.</source>
        <translation>Dos espejos cóncavos de la misma distancia focal (50 mm), uno junto al otro. El espejo parabólico de arriba hace pasar todo rayo paralelo a su eje por un mismo punto; el espejo esférico de abajo enfoca sus rayos del borde antes de su foco paraxial (aberración esférica), de modo que su mancha en el plano focal tiene una anchura.</translation>
    </message>
    <message>
        <source>A prism spectrometer: white light enters an equilateral prism of flint glass F2 at the angle of least deviation for the yellow d line and leaves spread into its colours; violet is deviated most. The detector reads the direction of every colour.</source>
        <translation>Un espectrómetro de prisma: la luz blanca entra en un prisma equilátero de vidrio flint F2 con el ángulo de desviación mínima para la línea amarilla d y sale separada en sus colores; el violeta es el que más se desvía. El detector mide la dirección de cada color.</translation>
    </message>
    <message>
        <source>A camera with one thick biconvex lens of crown glass N-BK7. White light from far away does not meet in one point: blue focuses nearer the lens than red (chromatic aberration), and the edge of the lens focuses nearer than its middle (spherical aberration). The sensor sits at the paraxial focus for the d line.</source>
        <translation>Una cámara con una sola lente gruesa biconvexa de vidrio crown N-BK7. La luz blanca que llega de lejos no se junta en un punto: el azul se enfoca más cerca de la lente que el rojo (aberración cromática), y el borde de la lente enfoca más cerca que su centro (aberración esférica). El sensor está en el foco paraxial para la línea d.</translation>
    </message>
    <message>
        <source>Sunlight on a drop of water. With Fresnel reflection traced, part of the light is reflected inside the drop; after one reflection inside it leaves at up to about 42 degrees from the way back to the sun, red a little further out than violet: the primary rainbow. The detector catches that light.</source>
        <translation>Luz del sol sobre una gota de agua. Al trazarse la reflexión de Fresnel, parte de la luz se refleja dentro de la gota; tras una reflexión interna sale hasta unos 42 grados de la dirección de vuelta al sol, el rojo un poco más afuera que el violeta: el arco iris primario. El detector capta esa luz.</translation>
    </message>
</context>
<context>
    <name>lumenary::bench::PropertyPanel</name>
    <message numerus="yes">
        <source>%n elements chosen</source>
        <translation>
            <numerusform>%n elemento elegido</numerusform>
            <numerusform>%n elementos elegidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Drag one of them, or use the arrow keys in the picture, to move them together; [ and ] turn each about its own position.</source>
        <translation>Arrastra uno de ellos, o usa las flechas en la imagen, para moverlos juntos; [ y ] giran cada uno alrededor de su propia posición.</translation>
    </message>
    <message>
        <source>No element chosen</source>
        <translation>Ningún elemento elegido</translation>
    </message>
    <message>
        <source>Click an element, or press Tab in the picture, to see and change its numbers here. Add elements from the list on the left.</source>
        <translation>Haz clic en un elemento, o pulsa Tab en la imagen, para ver y cambiar aquí sus números. Añade elementos desde la lista de la izquierda.</translation>
    </message>
    <message>
        <source>A name of your own for the element (saved in the file)</source>
        <translation>Un nombre propio para el elemento (se guarda en el archivo)</translation>
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
        <translation>Una longitud de onda</translation>
    </message>
    <message>
        <source>White light</source>
        <translation>Luz blanca</translation>
    </message>
    <message>
        <source>Light of one wavelength, or white light of many wavelengths spread evenly over 400–700 nm</source>
        <translation>Luz de una longitud de onda, o luz blanca de muchas longitudes de onda repartidas por igual en 400–700 nm</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source> nm</source>
        <translation> nm</translation>
    </message>
    <message>
        <source>from 380 to 780 nm</source>
        <translation>de 380 a 780 nm</translation>
    </message>
    <message>
        <source>a whole number from 2 to 400</source>
        <translation>un número entero de 2 a 400</translation>
    </message>
    <message>
        <source>Fixed index</source>
        <translation>Índice fijo</translation>
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
        <translation>Vértice %1: «%2» no es un número.</translation>
    </message>
    <message>
        <source>Corner %1</source>
        <translation>Vértice %1</translation>
    </message>
    <message>
        <source>Read-outs</source>
        <translation>Lecturas</translation>
    </message>
    <message>
        <source>F line</source>
        <translation>línea F</translation>
    </message>
    <message>
        <source>d line</source>
        <translation>línea d</translation>
    </message>
    <message>
        <source>C line</source>
        <translation>línea C</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Distancia focal (mm)</translation>
    </message>
    <message>
        <source>Focal length, paraxial (mm)</source>
        <translation>Distancia focal, paraxial (mm)</translation>
    </message>
    <message>
        <source>Focal length, %1 (mm)</source>
        <translation>Distancia focal, %1 (mm)</translation>
    </message>
    <message>
        <source>Back focal length, %1 (mm)</source>
        <translation>Distancia focal posterior, %1 (mm)</translation>
    </message>
    <message>
        <source>Focal length from the centre, %1 (mm)</source>
        <translation>Distancia focal desde el centro, %1 (mm)</translation>
    </message>
    <message>
        <source>Rainbow angle, %1 (°)</source>
        <translation>Ángulo del arco iris, %1 (°)</translation>
    </message>
    <message>
        <source>Paths (rays × wavelengths)</source>
        <translation>Caminos (rayos × longitudes de onda)</translation>
    </message>
    <message>
        <source>Rays caught</source>
        <translation>Rayos captados</translation>
    </message>
    <message>
        <source>Spots per wavelength</source>
        <translation>Manchas por longitud de onda</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>Longitud de onda (nm)</translation>
    </message>
    <message>
        <source>Centre (mm)</source>
        <translation>Centro (mm)</translation>
    </message>
    <message>
        <source>RMS (mm)</source>
        <translation>RMS (mm)</translation>
    </message>
    <message>
        <source>Rays</source>
        <translation>Rayos</translation>
    </message>
    <message>
        <source>Not defined: the lens is afocal there.</source>
        <translation>No definida: la lente es afocal ahí.</translation>
    </message>
    <message>
        <source>%1 not applied: %2 %3.</source>
        <translation>%1 no aplicado: %2 %3.</translation>
    </message>
    <message>
        <source>%1 not applied: the scene would start more than 250000 paths (rays × wavelengths).</source>
        <translation>%1 no aplicado: la escena empezaría más de 250000 caminos (rayos × longitudes de onda).</translation>
    </message>
    <message>
        <source>Change %1 of %2</source>
        <translation>Cambiar %1 de %2</translation>
    </message>
</context>
<context>
    <name>lumenary::bench::SceneText</name>
    <message>
        <source>the file holds more than %1 values</source>
        <translation>el archivo contiene más de %1 valores</translation>
    </message>
    <message>
        <source>arrays and objects nest deeper than %1 levels</source>
        <translation>las listas y objetos se anidan más de %1 niveles</translation>
    </message>
    <message>
        <source>the number %1 is too large</source>
        <translation>el número %1 es demasiado grande</translation>
    </message>
    <message>
        <source>must lie within 1000000 mm of the origin</source>
        <translation>debe estar a 1000000 mm como máximo del origen</translation>
    </message>
    <message>
        <source>must be an angle between -1000000 and 1000000 degrees</source>
        <translation>debe ser un ángulo entre -1000000 y 1000000 grados</translation>
    </message>
    <message>
        <source>must be at least 1e-06 mm and at most 1000000 mm</source>
        <translation>debe ser de al menos 1e-06 mm y como máximo 1000000 mm</translation>
    </message>
    <message>
        <source>must be a whole number from 1 to 250000</source>
        <translation>debe ser un número entero de 1 a 250000</translation>
    </message>
    <message>
        <source>must be a refractive index from 1 to 10 or one of &quot;water&quot;, &quot;fused silica&quot;, &quot;N-BK7&quot;, &quot;F2&quot;</source>
        <translation>debe ser un índice de refracción de 1 a 10 o uno de &quot;water&quot;, &quot;fused silica&quot;, &quot;N-BK7&quot;, &quot;F2&quot;</translation>
    </message>
    <message>
        <source>must be a wavelength from 380 to 780 nm</source>
        <translation>debe ser una longitud de onda de 380 a 780 nm</translation>
    </message>
    <message>
        <source>must be a number of wavelengths from 2 to 400</source>
        <translation>debe ser un número de longitudes de onda de 2 a 400</translation>
    </message>
    <message>
        <source>must lie at least 1e-06 mm from &quot;from&quot;</source>
        <translation>debe estar a al menos 1e-06 mm de &quot;from&quot;</translation>
    </message>
    <message>
        <source>must be from 0 to 1000000 mm</source>
        <translation>debe ser de 0 a 1000000 mm</translation>
    </message>
    <message>
        <source>must be from 1e-06 to 1000000 mm, or from -1000000 to -1e-06 mm for a diverging lens</source>
        <translation>debe ser de 1e-06 a 1000000 mm, o de -1000000 a -1e-06 mm para una lente divergente</translation>
    </message>
    <message>
        <source>must lie within 1000000 mm</source>
        <translation>debe estar dentro de 1000000 mm</translation>
    </message>
    <message>
        <source>must be 0 (flat) or at least half the aperture in size</source>
        <translation>debe ser 0 (plano) o al menos la mitad de la apertura en valor absoluto</translation>
    </message>
    <message>
        <source>is too small: the two surfaces cross inside the aperture</source>
        <translation>es demasiado pequeño: las dos superficies se cruzan dentro de la apertura</translation>
    </message>
    <message>
        <source>must be at least half the distance between the ends in size, and at most 1000000 mm</source>
        <translation>debe ser en valor absoluto al menos la mitad de la distancia entre los extremos, y como máximo 1000000 mm</translation>
    </message>
    <message>
        <source>must hold from 3 to 1000 corners</source>
        <translation>debe contener de 3 a 1000 vértices</translation>
    </message>
    <message>
        <source>must make a simple polygon (edges that meet only at shared corners, none shorter than 1e-06 mm)</source>
        <translation>debe formar un polígono simple (lados que solo se tocan en vértices comunes, ninguno más corto que 1e-06 mm)</translation>
    </message>
    <message>
        <source>must be from 0 to 1</source>
        <translation>debe ser de 0 a 1</translation>
    </message>
    <message>
        <source>must be at most 1000 bytes long</source>
        <translation>debe tener como máximo 1000 bytes</translation>
    </message>
    <message>
        <source>must be a whole number from 1 to 10000000</source>
        <translation>debe ser un número entero de 1 a 10000000</translation>
    </message>
    <message>
        <source>must be a whole number from 1 to 4000000</source>
        <translation>debe ser un número entero de 1 a 4000000</translation>
    </message>
    <message>
        <source>must be at most 10000 bytes long</source>
        <translation>debe tener como máximo 10000 bytes</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>must be a whole number from %1 to %2</source>
        <translation>debe ser un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>must be a number</source>
        <translation>debe ser un número</translation>
    </message>
    <message>
        <source>must be a finite number</source>
        <translation>debe ser un número finito</translation>
    </message>
    <message>
        <source>must be a point [x, y]</source>
        <translation>debe ser un punto [x, y]</translation>
    </message>
    <message>
        <source>must be a refractive index or one of &quot;water&quot;, &quot;fused silica&quot;, &quot;N-BK7&quot;, &quot;F2&quot;</source>
        <translation>debe ser un índice de refracción o uno de &quot;water&quot;, &quot;fused silica&quot;, &quot;N-BK7&quot;, &quot;F2&quot;</translation>
    </message>
    <message>
        <source>cannot stand beside &quot;wavelength&quot;: give one of them</source>
        <translation>no puede ir junto a &quot;wavelength&quot;: indica solo uno de los dos</translation>
    </message>
    <message>
        <source>must be a list of points [[x, y], ...]</source>
        <translation>debe ser una lista de puntos [[x, y], ...]</translation>
    </message>
    <message>
        <source>is not a known element type</source>
        <translation>no es un tipo de elemento conocido</translation>
    </message>
    <message>
        <source>must be a text</source>
        <translation>debe ser un texto</translation>
    </message>
    <message>
        <source>must be at most %1 bytes long</source>
        <translation>debe tener como máximo %1 bytes</translation>
    </message>
    <message>
        <source>must be an object {&quot;type&quot;: ...}</source>
        <translation>debe ser un objeto {&quot;type&quot;: ...}</translation>
    </message>
    <message>
        <source>must be a text naming the element&apos;s type</source>
        <translation>debe ser un texto que nombre el tipo del elemento</translation>
    </message>
    <message>
        <source>names no element type: &quot;%1&quot;</source>
        <translation>no nombra ningún tipo de elemento: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>must be &quot;lumenary-scene&quot;: this is not a scene file</source>
        <translation>debe ser &quot;lumenary-scene&quot;: este no es un archivo de escena</translation>
    </message>
    <message>
        <source>must be 1</source>
        <translation>debe ser 1</translation>
    </message>
    <message>
        <source>is %1: the file was written by a newer program, which reads version 1</source>
        <translation>es %1: el archivo lo escribió un programa más reciente; este lee la versión 1</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>debe ser true o false</translation>
    </message>
    <message>
        <source>is %1 bytes long; a scene file may hold at most %2 bytes</source>
        <translation>tiene %1 bytes; un archivo de escena puede tener como máximo %2 bytes</translation>
    </message>
    <message>
        <source>a scene file holds one object {&quot;format&quot;: ...}</source>
        <translation>un archivo de escena contiene un objeto {&quot;format&quot;: ...}</translation>
    </message>
    <message>
        <source>must be a list of elements [{...}, ...]</source>
        <translation>debe ser una lista de elementos [{...}, ...]</translation>
    </message>
    <message>
        <source>holds %1 elements; a scene may hold at most %2</source>
        <translation>contiene %1 elementos; una escena puede contener como máximo %2</translation>
    </message>
    <message>
        <source>brings the scene to more than %1 rays (rays × wavelengths of every source)</source>
        <translation>lleva la escena a más de %1 rayos (rayos × longitudes de onda de cada fuente)</translation>
    </message>
    <message>
        <source>brings the scene to more than %1 corners of glass</source>
        <translation>lleva la escena a más de %1 vértices de vidrio</translation>
    </message>
    <message>
        <source>: element %1</source>
        <translation>: elemento %1</translation>
    </message>
    <message>
        <source>: element %1 (&quot;%2&quot;)</source>
        <translation>: elemento %1 (&quot;%2&quot;)</translation>
    </message>
    <message>
        <source>, key &quot;%1&quot;: </source>
        <translation>, clave &quot;%1&quot;: </translation>
    </message>
    <message>
        <source>: key &quot;%1&quot;: </source>
        <translation>: clave &quot;%1&quot;: </translation>
    </message>
</context>
<context>
    <name>lumenary::bench::SettingsPanel</name>
    <message>
        <source>What fills the space between the elements</source>
        <translation>Lo que llena el espacio entre los elementos</translation>
    </message>
    <message>
        <source>Surroundings&apos; fixed index</source>
        <translation>Índice fijo del entorno</translation>
    </message>
    <message>
        <source>Glass surfaces also reflect (Fresnel)</source>
        <translation>Las superficies de vidrio también reflejan (Fresnel)</translation>
    </message>
    <message>
        <source>Trace the share of light each glass surface reflects as well as the light it lets through; the brightness of a ray shows its intensity</source>
        <translation>Seguir también la fracción de luz que refleja cada superficie de vidrio, además de la que deja pasar; el brillo de un rayo muestra su intensidad</translation>
    </message>
    <message>
        <source>A part of a ray fainter than this is not traced on (from 0 to 1; each ray starts at 1)</source>
        <translation>Una parte de un rayo más débil no se sigue (de 0 a 1; cada rayo empieza en 1)</translation>
    </message>
    <message>
        <source>Surfaces a path may meet before it is stopped (1 to 10000000)</source>
        <translation>Superficies que un camino puede encontrar antes de detenerse (1 a 10000000)</translation>
    </message>
    <message>
        <source>Straight pieces the whole trace may hold (1 to 4000000)</source>
        <translation>Tramos rectos que puede contener todo el trazado (1 a 4000000)</translation>
    </message>
    <message>
        <source>Turn Fresnel reflection on</source>
        <translation>Activar la reflexión de Fresnel</translation>
    </message>
    <message>
        <source>Turn Fresnel reflection off</source>
        <translation>Desactivar la reflexión de Fresnel</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Cambiar %1</translation>
    </message>
</context>
<context>
    <name>lumenary::boundary::BoundaryChart</name>
    <message>
        <source>Chart of the reflected and transmitted shares and the phases against the angle of incidence</source>
        <translation>Gráfico de las fracciones reflejadas y transmitidas y de las fases frente al ángulo de incidencia</translation>
    </message>
    <message>
        <source>angle of incidence θ₁</source>
        <translation>ángulo de incidencia θ₁</translation>
    </message>
    <message>
        <source>phase of r_s and r_p (degrees)</source>
        <translation>fase de r_s y r_p (grados)</translation>
    </message>
    <message>
        <source>unpolarised</source>
        <translation>no polarizada</translation>
    </message>
    <message>
        <source>R solid, T dashed</source>
        <translation>R continua, T a trazos</translation>
    </message>
    <message>
        <source>equal indices: nothing is reflected</source>
        <translation>índices iguales: nada se refleja</translation>
    </message>
    <message>
        <source>Brewster %1°</source>
        <translation>Brewster %1°</translation>
    </message>
    <message>
        <source>critical %1°</source>
        <translation>crítico %1°</translation>
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
        <translation>vacío</translation>
    </message>
    <message>
        <source>air</source>
        <translation>aire</translation>
    </message>
    <message>
        <source>water</source>
        <translation>agua</translation>
    </message>
    <message>
        <source>acetone</source>
        <translation>acetona</translation>
    </message>
    <message>
        <source>ethanol</source>
        <translation>etanol</translation>
    </message>
    <message>
        <source>sugar solution</source>
        <translation>solución azucarada</translation>
    </message>
    <message>
        <source>quartz glass</source>
        <translation>vidrio de cuarzo</translation>
    </message>
    <message>
        <source>benzene</source>
        <translation>benceno</translation>
    </message>
    <message>
        <source>typical crown glass</source>
        <translation>vidrio crown típico</translation>
    </message>
    <message>
        <source>sodium chloride</source>
        <translation>cloruro de sodio</translation>
    </message>
    <message>
        <source>polystyrene</source>
        <translation>poliestireno</translation>
    </message>
    <message>
        <source>heavy flint glass</source>
        <translation>vidrio flint denso</translation>
    </message>
    <message>
        <source>sapphire</source>
        <translation>zafiro</translation>
    </message>
    <message>
        <source>heaviest flint glass</source>
        <translation>vidrio flint muy denso</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>diamante</translation>
    </message>
    <message>
        <source>Water (21.5 °C, measured)</source>
        <translation>Agua (21,5 °C, medida)</translation>
    </message>
    <message>
        <source>water at 21.5 °C</source>
        <translation>agua a 21,5 °C</translation>
    </message>
    <message>
        <source>Fused silica</source>
        <translation>Sílice fundida</translation>
    </message>
    <message>
        <source>fused silica</source>
        <translation>sílice fundida</translation>
    </message>
    <message>
        <source>Crown glass N-BK7</source>
        <translation>Vidrio crown N-BK7</translation>
    </message>
    <message>
        <source>Flint glass F2</source>
        <translation>Vidrio flint F2</translation>
    </message>
</context>
<context>
    <name>lumenary::boundary::BoundaryPicture</name>
    <message>
        <source>field: E perpendicular to the plane (s)</source>
        <translation>campo: E perpendicular al plano (s)</translation>
    </message>
    <message>
        <source>field: H perpendicular to the plane (p)</source>
        <translation>campo: H perpendicular al plano (p)</translation>
    </message>
    <message>
        <source>field: the s part of unpolarised light</source>
        <translation>campo: la parte s de la luz no polarizada</translation>
    </message>
    <message>
        <source>Picture of the light at the boundary</source>
        <translation>Imagen de la luz en la superficie de separación</translation>
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
        <translation>reflejada totalmente</translation>
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
        <translation>d %1 nm (campo 1/e)</translation>
    </message>
    <message>
        <source>d %1 nm (field 1/e), beyond the picture</source>
        <translation>d %1 nm (campo 1/e), fuera de la imagen</translation>
    </message>
</context>
<context>
    <name>lumenary::boundary::BoundaryText</name>
    <message>
        <source>totally reflected</source>
        <translation>reflejada totalmente</translation>
    </message>
    <message>
        <source>none (equal indices)</source>
        <translation>ninguno (índices iguales)</translation>
    </message>
    <message>
        <source>none (n₁ ≤ n₂)</source>
        <translation>ninguno (n₁ ≤ n₂)</translation>
    </message>
    <message>
        <source>unbounded at the critical angle</source>
        <translation>ilimitada en el ángulo crítico</translation>
    </message>
    <message>
        <source>none (light is transmitted)</source>
        <translation>ninguna (la luz se transmite)</translation>
    </message>
    <message>
        <source>s-polarised light</source>
        <translation>luz polarizada s</translation>
    </message>
    <message>
        <source>p-polarised light</source>
        <translation>luz polarizada p</translation>
    </message>
    <message>
        <source>Unpolarised light</source>
        <translation>Luz no polarizada</translation>
    </message>
    <message>
        <source>%1, %2 in %3 onto %4: </source>
        <translation>%1, %2 en %3 hacia %4: </translation>
    </message>
    <message>
        <source>%1 reflected, %2 transmitted at %3</source>
        <translation>%1 reflejada, %2 transmitida a %3</translation>
    </message>
    <message>
        <source>; waves of %1 nm in %2</source>
        <translation>; ondas de %1 nm en %2</translation>
    </message>
    <message>
        <source>, an evanescent field in %1 falling to 1/e within %2 nm</source>
        <translation>, un campo evanescente en %1 que cae a 1/e en %2 nm</translation>
    </message>
    <message>
        <source> and %1 nm in %2</source>
        <translation> y de %1 nm en %2</translation>
    </message>
    <message>
        <source>Shares reflected and transmitted for s, p and unpolarised light against the angle of incidence from 0° to 90°, %1 onto %2, </source>
        <translation>Fracciones reflejadas y transmitidas para luz polarizada s, p y no polarizada frente al ángulo de incidencia de 0° a 90°, %1 hacia %2, </translation>
    </message>
    <message>
        <source>Brewster&apos;s angle at %1</source>
        <translation>ángulo de Brewster a %1</translation>
    </message>
    <message>
        <source>no reflection at any angle</source>
        <translation>ninguna reflexión a ningún ángulo</translation>
    </message>
    <message>
        <source>, critical angle at %1</source>
        <translation>, ángulo crítico a %1</translation>
    </message>
    <message>
        <source>, no critical angle</source>
        <translation>, sin ángulo crítico</translation>
    </message>
    <message>
        <source>; at %1: R_s %2, R_p %3, T_s %4, T_p %5. Below, the phases of r_s and r_p: %6 and %7.</source>
        <translation>; a %1: R_s %2, R_p %3, T_s %4, T_p %5. Debajo, las fases de r_s y r_p: %6 y %7.</translation>
    </message>
</context>
<context>
    <name>lumenary::rainbow::DeviationPanels</name>
    <message>
        <source>Choose a number of reflections to see its curves.</source>
        <translation>Elige un número de reflexiones para ver sus curvas.</translation>
    </message>
    <message>
        <source>Impact parameter b (0 = centre, 1 = rim); + marks each curve&apos;s least deviation, the rainbow ray</source>
        <translation>Altura de incidencia b (0 = centro, 1 = borde); + marca la desviación mínima de cada curva, el rayo del arco iris</translation>
    </message>
    <message>
        <source>Deviation D (°)</source>
        <translation>Desviación D (°)</translation>
    </message>
    <message>
        <source>Deviation against impact parameter for %1</source>
        <translation>Desviación frente a la altura de incidencia para %1</translation>
    </message>
    <message>
        <source>; %1: least deviation %2 (violet) to %3 (red)</source>
        <translation>; %1: desviación mínima de %2 (violeta) a %3 (rojo)</translation>
    </message>
</context>
<context>
    <name>lumenary::rainbow::DropView</name>
    <message>
        <source>Sunlight →</source>
        <translation>Luz solar →</translation>
    </message>
    <message>
        <source>Bold: each colour&apos;s rainbow ray</source>
        <translation>En negrita: el rayo del arco iris de cada color</translation>
    </message>
    <message>
        <source>Rays of %1 through a drop</source>
        <translation>Rayos de %1 a través de una gota</translation>
    </message>
    <message>
        <source>; %1 rainbow rays leave at %2 (red) and %3 (violet) from the antisolar point</source>
        <translation>; los rayos del arco iris (%1) salen a %2 (rojo) y %3 (violeta) del punto antisolar</translation>
    </message>
</context>
<context>
    <name>lumenary::rainbow::RainbowText</name>
    <message>
        <source>%1 colours from 400 to 700 nm</source>
        <translation>%1 colores de 400 a 700 nm</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Arco primario</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Arco secundario</translation>
    </message>
    <message>
        <source>Third-order</source>
        <translation>Arco de orden 3</translation>
    </message>
    <message>
        <source>Fourth-order</source>
        <translation>Arco de orden 4</translation>
    </message>
    <message>
        <source>Fifth-order</source>
        <translation>Arco de orden 5</translation>
    </message>
    <message>
        <source>primary</source>
        <translation>arco primario</translation>
    </message>
    <message>
        <source>secondary</source>
        <translation>arco secundario</translation>
    </message>
    <message>
        <source>third-order</source>
        <translation>arco de orden 3</translation>
    </message>
    <message>
        <source>fourth-order</source>
        <translation>arco de orden 4</translation>
    </message>
    <message>
        <source>fifth-order</source>
        <translation>arco de orden 5</translation>
    </message>
</context>
<context>
    <name>lumenary::rainbow::SkyView</name>
    <message>
        <source>Angle from the antisolar point (sun behind you)</source>
        <translation>Ángulo desde el punto antisolar (sol a tu espalda)</translation>
    </message>
    <message>
        <source>dark band</source>
        <translation>banda oscura</translation>
    </message>
    <message>
        <source>The sky from 0° to 60° from the antisolar point</source>
        <translation>El cielo de 0° a 60° del punto antisolar</translation>
    </message>
    <message>
        <source>; the %1 bow lies beyond it, at %2</source>
        <comment>%1: primary, secondary, …</comment>
        <translation>; %1: más allá, a %2</translation>
    </message>
    <message>
        <source>; %1 bow from %2 to %3, red %4</source>
        <comment>%1: primary, secondary, …; %4: outside or inside</comment>
        <translation>; %1 de %2 a %3, rojo %4</translation>
    </message>
    <message>
        <source>outside</source>
        <translation>fuera</translation>
    </message>
    <message>
        <source>inside</source>
        <translation>dentro</translation>
    </message>
</context>
</TS>
