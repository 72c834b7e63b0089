<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
</TS>
