<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BenchFiles</name>
    <message>
        <source>The file could not be written whole.</source>
        <translation>Le fichier n’a pas pu être écrit en entier.</translation>
    </message>
</context>
<context>
    <name>BenchText</name>
    <message numerus="yes">
        <source>%n elements</source>
        <translation>
            <numerusform>%n élément</numerusform>
            <numerusform>%n éléments</numerusform>
        </translation>
    </message>
    <message>
        <source>Ray</source>
        <translation>Rayon</translation>
    </message>
    <message>
        <source>Beam</source>
        <translation>Faisceau</translation>
    </message>
    <message>
        <source>Point source</source>
        <translation>Source ponctuelle</translation>
    </message>
    <message>
        <source>Ideal lens</source>
        <translation>Lentille idéale</translation>
    </message>
    <message>
        <source>Spherical lens</source>
        <translation>Lentille sphérique</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Arc mirror</source>
        <translation>Miroir en arc de cercle</translation>
    </message>
    <message>
        <source>Parabolic mirror</source>
        <translation>Miroir parabolique</translation>
    </message>
    <message>
        <source>Glass block</source>
        <translation>Bloc de verre</translation>
    </message>
    <message>
        <source>Drop or ball lens</source>
        <translation>Goutte ou lentille boule</translation>
    </message>
    <message>
        <source>Beam splitter</source>
        <translation>Lame séparatrice</translation>
    </message>
    <message>
        <source>Blocker</source>
        <translation>Écran</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Détecteur</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Vertex</source>
        <translation>Sommet</translation>
    </message>
    <message>
        <source>Corners</source>
        <translation>Sommets</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Axe</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Rays</source>
        <translation>Rayons</translation>
    </message>
    <message>
        <source>From angle</source>
        <translation>Angle de départ</translation>
    </message>
    <message>
        <source>To angle</source>
        <translation>Angle d’arrivée</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Longueur d’onde</translation>
    </message>
    <message>
        <source>Wavelengths of white light</source>
        <translation>Longueurs d’onde de la lumière blanche</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Ouverture</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Distance focale</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Épaisseur</translation>
    </message>
    <message>
        <source>Radius r1</source>
        <translation>Rayon r1</translation>
    </message>
    <message>
        <source>Radius r2</source>
        <translation>Rayon r2</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Rayon</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Matériau</translation>
    </message>
    <message>
        <source>Reflectance</source>
        <translation>Réflectance</translation>
    </message>
    <message>
        <source>Surroundings</source>
        <translation>Milieu ambiant</translation>
    </message>
    <message>
        <source>Fresnel reflection</source>
        <translation>Réflexion de Fresnel</translation>
    </message>
    <message>
        <source>Least intensity traced</source>
        <translation>Plus faible intensité suivie</translation>
    </message>
    <message>
        <source>Interactions per path</source>
        <translation>Interactions par chemin</translation>
    </message>
    <message>
        <source>Segments in all</source>
        <translation>Segments en tout</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>water</source>
        <translation>eau</translation>
    </message>
    <message>
        <source>fused silica</source>
        <translation>silice fondue</translation>
    </message>
    <message>
        <source>index %1</source>
        <translation>indice %1</translation>
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
        <translation>lumière blanche de %1 longueurs d’onde</translation>
    </message>
    <message>
        <source>%1 nm</source>
        <translation>%1 nm</translation>
    </message>
    <message>
        <source>, afocal</source>
        <translation>, afocale</translation>
    </message>
    <message>
        <source>, %1 %2 (d line)</source>
        <translation>, %1 %2 (raie d)</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>de %1 à %2</translation>
    </message>
    <message>
        <source>, no rays caught</source>
        <translation>, aucun rayon capté</translation>
    </message>
    <message>
        <source>, 1 ray caught</source>
        <translation>, 1 rayon capté</translation>
    </message>
    <message numerus="yes">
        <source>, %n rays caught</source>
        <translation>
            <numerusform>, %n rayon capté</numerusform>
            <numerusform>, %n rayons captés</numerusform>
        </translation>
    </message>
    <message>
        <source>; %1 nm at %2, RMS %3</source>
        <translation>&#xa0;; %1 nm à %2, RMS %3</translation>
    </message>
    <message numerus="yes">
        <source>; and %n more wavelengths</source>
        <translation>
            <numerusform>&#xa0;; et %n autre longueur d’onde</numerusform>
            <numerusform>&#xa0;; et %n autres longueurs d’onde</numerusform>
        </translation>
    </message>
    <message>
        <source>not traced: %1 %2</source>
        <translation>non suivi&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>%1, from %2, direction %3</source>
        <translation>%1, depuis %2, direction %3</translation>
    </message>
    <message>
        <source>1 ray across %1, %2, from %3, direction %4</source>
        <translation>1 rayon sur %1, %2, depuis %3, direction %4</translation>
    </message>
    <message numerus="yes">
        <source>%n rays across %1, %2, from %3, direction %4</source>
        <translation>
            <numerusform>%n rayon sur %1, %2, depuis %3, direction %4</numerusform>
            <numerusform>%n rayons sur %1, %2, depuis %3, direction %4</numerusform>
        </translation>
    </message>
    <message>
        <source>1 ray from %1 to %2, %3, at %4</source>
        <translation>1 rayon de %1 à %2, %3, en %4</translation>
    </message>
    <message numerus="yes">
        <source>%n rays from %1 to %2, %3, at %4</source>
        <translation>
            <numerusform>%n rayon de %1 à %2, %3, en %4</numerusform>
            <numerusform>%n rayons de %1 à %2, %3, en %4</numerusform>
        </translation>
    </message>
    <message>
        <source>focal length %1, aperture %2, at %3, axis %4</source>
        <translation>distance focale %1, ouverture %2, en %3, axe %4</translation>
    </message>
    <message>
        <source>%1, thickness %2, radii %3 and %4 mm%5, aperture %6, at %7, axis %8</source>
        <translation>%1, épaisseur %2, rayons %3 et %4 mm%5, ouverture %6, en %7, axe %8</translation>
    </message>
    <message>
        <source>focal length</source>
        <translation>distance focale</translation>
    </message>
    <message>
        <source>radius %1, focal length %2, %3</source>
        <translation>rayon %1, distance focale %2, %3</translation>
    </message>
    <message>
        <source>focal length %1, aperture %2, vertex at %3, axis %4</source>
        <translation>distance focale %1, ouverture %2, sommet en %3, axe %4</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n corners, first at %2</source>
        <translation>
            <numerusform>%1, %n sommet, le premier en %2</numerusform>
            <numerusform>%1, %n sommets, le premier en %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, radius %2, centre at %3</source>
        <translation>%1, rayon %2, centre en %3</translation>
    </message>
    <message>
        <source>focal length from the centre</source>
        <translation>distance focale depuis le centre</translation>
    </message>
    <message>
        <source>, rainbow at %1 (d line)</source>
        <translation>, arc-en-ciel à %1 (raie d)</translation>
    </message>
    <message>
        <source>reflects %1 %, %2</source>
        <translation>réfléchit %1 %, %2</translation>
    </message>
    <message>
        <source>No light: add a ray, a beam or a point source</source>
        <translation>Pas de lumière&#xa0;: ajoutez un rayon, un faisceau ou une source ponctuelle</translation>
    </message>
    <message>
        <source>%1; every path traced to its end</source>
        <translation>%1&#xa0;; chaque chemin suivi jusqu’au bout</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1&#xa0;; %2</translation>
    </message>
    <message>
        <source>; </source>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>1 path</source>
        <translation>1 chemin</translation>
    </message>
    <message numerus="yes">
        <source>%Ln paths</source>
        <translation>
            <numerusform>%Ln chemin</numerusform>
            <numerusform>%Ln chemins</numerusform>
        </translation>
    </message>
    <message>
        <source>1 segment</source>
        <translation>1 segment</translation>
    </message>
    <message numerus="yes">
        <source>%Ln segments</source>
        <translation>
            <numerusform>%Ln segment</numerusform>
            <numerusform>%Ln segments</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Tracing: %1; 1 path still to trace</source>
        <translation>Suivi&#xa0;: %1&#xa0;; encore 1 chemin à suivre</translation>
    </message>
    <message numerus="yes">
        <source>Tracing: %1; %Ln paths still to trace</source>
        <translation>
            <numerusform>Suivi&#xa0;: %1&#xa0;; encore %Ln chemin à suivre</numerusform>
            <numerusform>Suivi&#xa0;: %1&#xa0;; encore %Ln chemins à suivre</numerusform>
        </translation>
    </message>
    <message>
        <source>1 path stopped after %1 interactions</source>
        <translation>1 chemin arrêté après %1 interactions</translation>
    </message>
    <message numerus="yes">
        <source>%Ln paths stopped after %1 interactions</source>
        <translation>
            <numerusform>%Ln chemin arrêté après %1 interactions</numerusform>
            <numerusform>%Ln chemins arrêtés après %1 interactions</numerusform>
        </translation>
    </message>
    <message>
        <source>1 part fainter than %1 not traced on</source>
        <translation>1 partie plus faible que %1 non suivie</translation>
    </message>
    <message numerus="yes">
        <source>%Ln parts fainter than %1 not traced on</source>
        <translation>
            <numerusform>%Ln partie plus faible que %1 non suivie</numerusform>
            <numerusform>%Ln parties plus faibles que %1 non suivies</numerusform>
        </translation>
    </message>
    <message>
        <source>1 path cut at the limit of %1 segments</source>
        <translation>1 chemin coupé à la limite de %1 segments</translation>
    </message>
    <message numerus="yes">
        <source>%Ln paths cut at the limit of %1 segments</source>
        <translation>
            <numerusform>%Ln chemin coupé à la limite de %1 segments</numerusform>
            <numerusform>%Ln chemins coupés à la limite de %1 segments</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialogText</name>
    <message>
        <source>Optical Bench scenes (*.lumenary);;All files (*)</source>
        <translation>Scènes du banc optique (*.lumenary);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open Scene</source>
        <translation>Ouvrir une scène</translation>
    </message>
    <message>
        <source>Save Scene As</source>
        <translation>Enregistrer la scène sous</translation>
    </message>
    <message>
        <source>Optical Bench</source>
        <translation>Banc optique</translation>
    </message>
    <message>
        <source>Save the changes to “%1” before closing?</source>
        <translation>Enregistrer les modifications de « %1 » avant de fermer&#xa0;?</translation>
    </message>
    <message>
        <source>Your changes are lost if you don’t save them.</source>
        <translation>Vos modifications seront perdues si vous ne les enregistrez pas.</translation>
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
        <translation>de -1000000 à 1000000 mm</translation>
    </message>
    <message>
        <source>from 0.001 to 1000000 mm</source>
        <translation>de 0,001 à 1000000 mm</translation>
    </message>
    <message>
        <source>from 0 to 1000000 mm</source>
        <translation>de 0 à 1000000 mm</translation>
    </message>
    <message>
        <source>from -1000000° to 1000000°</source>
        <translation>de -1000000° à 1000000°</translation>
    </message>
    <message>
        <source>a whole number from 1 to 250000</source>
        <translation>un nombre entier de 1 à 250000</translation>
    </message>
    <message>
        <source>from 0 to 1</source>
        <translation>de 0 à 1</translation>
    </message>
    <message>
        <source>A fixed refractive index, from 1 to 10</source>
        <translation>Un indice de réfraction fixe, de 1 à 10</translation>
    </message>
    <message>
        <source>Fixed index</source>
        <translation>Indice fixe</translation>
    </message>
    <message>
        <source>A measured material, whose index follows the wavelength, or a fixed index</source>
        <translation>Un matériau mesuré, dont l’indice suit la longueur d’onde, ou un indice fixe</translation>
    </message>
</context>
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
    <name>lumenary::BoundaryWindow</name>
    <message>
        <source>Light at a Boundary</source>
        <translation>Lumière sur un dioptre</translation>
    </message>
    <message>
        <source>The light at the boundary</source>
        <translation>La lumière sur le dioptre</translation>
    </message>
    <message>
        <source>The incident, reflected and transmitted light, each ray as wide as its share; with the wave view, the waves on both sides (Space plays or pauses them)</source>
        <translation>La lumière incidente, réfléchie et transmise, chaque rayon aussi large que sa part&#xa0;; en vue ondulatoire, les ondes des deux côtés (Espace les lance ou les arrête)</translation>
    </message>
    <message>
        <source>Shares and phases against the angle of incidence</source>
        <translation>Parts et phases en fonction de l’angle d’incidence</translation>
    </message>
    <message>
        <source>Above: the shares reflected (solid) and transmitted (dashed) from 0° to 90°; below: the phases of r_s and r_p. The yellow line is the present angle</source>
        <translation>En haut&#xa0;: les parts réfléchies (trait plein) et transmises (tirets) de 0° à 90°&#xa0;; en bas&#xa0;: les phases de r_s et r_p. La ligne jaune est l’angle actuel</translation>
    </message>
    <message>
        <source>Angles and wavelengths</source>
        <translation>Angles et longueurs d’onde</translation>
    </message>
    <message>
        <source>Amplitudes</source>
        <translation>Amplitudes</translation>
    </message>
    <message>
        <source>Hide this window; it opens again as you left it (Esc)</source>
        <translation>Masquer cette fenêtre&#xa0;; elle se rouvre telle que vous l’avez laissée (Échap)</translation>
    </message>
    <message>
        <source>Shares of the power</source>
        <translation>Parts de la puissance</translation>
    </message>
    <message>
        <source>Unpolarised light</source>
        <translation>Lumière non polarisée</translation>
    </message>
    <message>
        <source>The index of refraction at the wavelength set</source>
        <translation>L’indice de réfraction à la longueur d’onde choisie</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>The medium the light comes from (above the boundary)</source>
        <translation>Le milieu d’où vient la lumière (au-dessus du dioptre)</translation>
    </message>
    <message>
        <source>Index n₁</source>
        <translation>Indice n₁</translation>
    </message>
    <message>
        <source>Medium 1</source>
        <translation>Milieu 1</translation>
    </message>
    <message>
        <source>The medium beyond the boundary (below it)</source>
        <translation>Le milieu au-delà du dioptre (en dessous)</translation>
    </message>
    <message>
        <source>Index n₂</source>
        <translation>Indice n₂</translation>
    </message>
    <message>
        <source>Medium 2</source>
        <translation>Milieu 2</translation>
    </message>
    <message>
        <source>The wavelength in air; the measured materials&apos; indices follow it, the other media keep their fixed index</source>
        <translation>La longueur d’onde dans l’air&#xa0;; les indices des matériaux mesurés la suivent, les autres milieux gardent leur indice fixe</translation>
    </message>
    <message>
        <source>Wavelength in air</source>
        <translation>Longueur d’onde dans l’air</translation>
    </message>
    <message>
        <source>Wavelength in air (nm)</source>
        <translation>Longueur d’onde dans l’air (nm)</translation>
    </message>
    <message>
        <source>The angle between the incoming light and the normal</source>
        <translation>L’angle entre la lumière incidente et la normale</translation>
    </message>
    <message>
        <source>Angle of incidence</source>
        <translation>Angle d’incidence</translation>
    </message>
    <message>
        <source>Angle of incidence θ₁ (°)</source>
        <translation>Angle d’incidence θ₁ (°)</translation>
    </message>
    <message>
        <source>s (E ⊥ plane of incidence)</source>
        <translation>s (E ⊥ plan d’incidence)</translation>
    </message>
    <message>
        <source>p (E ∥ plane of incidence)</source>
        <translation>p (E ∥ plan d’incidence)</translation>
    </message>
    <message>
        <source>unpolarised</source>
        <translation>non polarisée</translation>
    </message>
    <message>
        <source>Which way the electric field of the incoming light points</source>
        <translation>La direction du champ électrique de la lumière incidente</translation>
    </message>
    <message>
        <source>Polarisation</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Show the waves</source>
        <translation>Afficher les ondes</translation>
    </message>
    <message>
        <source>The field of the three waves instead of the medium colours, to scale: the wavelength in each medium is λ₀/n</source>
        <translation>Le champ des trois ondes au lieu des couleurs des milieux, à l’échelle&#xa0;: la longueur d’onde dans chaque milieu est λ₀/n</translation>
    </message>
    <message>
        <source>Play or pause the waves (Space on the picture)</source>
        <translation>Lancer ou arrêter les ondes (Espace sur l’image)</translation>
    </message>
    <message>
        <source>How many wave periods pass a second</source>
        <translation>Combien de périodes passent par seconde</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Speed (periods/s)</source>
        <translation>Vitesse (périodes/s)</translation>
    </message>
    <message>
        <source>Angle of refraction θ₂</source>
        <translation>Angle de réfraction θ₂</translation>
    </message>
    <message>
        <source>Brewster&apos;s angle θ_B</source>
        <translation>Angle de Brewster θ_B</translation>
    </message>
    <message>
        <source>atan(n₂/n₁): p light is not reflected at this angle</source>
        <translation>atan(n₂/n₁)&#xa0;: la lumière polarisée p n’est pas réfléchie sous cet angle</translation>
    </message>
    <message>
        <source>Critical angle θ_c</source>
        <translation>Angle critique θ_c</translation>
    </message>
    <message>
        <source>asin(n₂/n₁), only where n₁ &gt; n₂: past it all the light is reflected</source>
        <translation>asin(n₂/n₁), seulement si n₁ &gt; n₂&#xa0;: au-delà, toute la lumière est réfléchie</translation>
    </message>
    <message>
        <source>Wavelength in medium 1 λ₁</source>
        <translation>Longueur d’onde dans le milieu 1 λ₁</translation>
    </message>
    <message>
        <source>Wavelength in medium 2 λ₂</source>
        <translation>Longueur d’onde dans le milieu 2 λ₂</translation>
    </message>
    <message>
        <source>Penetration depth d</source>
        <translation>Profondeur de pénétration d</translation>
    </message>
    <message>
        <source>How far into medium 2 the field of the evanescent wave falls to 1/e of its value at the boundary, past the critical angle</source>
        <translation>À quelle profondeur dans le milieu 2 le champ de l’onde évanescente tombe à 1/e de sa valeur sur le dioptre, au-delà de l’angle critique</translation>
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
        <translation>Avec son signe&#xa0;; au-delà de l’angle critique, le module ∠ l’avance de l’onde sur l’onde incidente</translation>
    </message>
    <message>
        <source>Signed, by r_p = (n₂ cos θ₁ − n₁ cos θ₂) / (n₂ cos θ₁ + n₁ cos θ₂), so that r_p = −r_s head on; past the critical angle the magnitude ∠ how far the reflected wave leads the incident one</source>
        <translation>Avec son signe, selon r_p = (n₂ cos θ₁ − n₁ cos θ₂) / (n₂ cos θ₁ + n₁ cos θ₂), de sorte que r_p = −r_s en incidence normale&#xa0;; au-delà de l’angle critique, le module ∠ l’avance de l’onde réfléchie sur l’onde incidente</translation>
    </message>
    <message>
        <source>Reflected R_s</source>
        <translation>Réfléchie R_s</translation>
    </message>
    <message>
        <source>Reflected R_p</source>
        <translation>Réfléchie R_p</translation>
    </message>
    <message>
        <source>Transmitted T_s</source>
        <translation>Transmise T_s</translation>
    </message>
    <message>
        <source>Transmitted T_p</source>
        <translation>Transmise T_p</translation>
    </message>
    <message>
        <source>Reflected R</source>
        <translation>Réfléchie R</translation>
    </message>
    <message>
        <source>Transmitted T</source>
        <translation>Transmise T</translation>
    </message>
    <message>
        <source>R + T</source>
        <translation>R + T</translation>
    </message>
    <message>
        <source>All the light is either reflected or transmitted</source>
        <translation>Toute la lumière est soit réfléchie, soit transmise</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Pause the waves</source>
        <translation>Arrêter les ondes</translation>
    </message>
    <message>
        <source>Play the waves</source>
        <translation>Lancer les ondes</translation>
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
    <name>lumenary::DispersiveMaterial</name>
    <message>
        <source>Water (21.5 °C)</source>
        <translation>Eau (21,5 °C)</translation>
    </message>
    <message>
        <source>Fused silica</source>
        <translation>Silice fondue</translation>
    </message>
    <message>
        <source>Crown glass N-BK7</source>
        <translation>Verre crown N-BK7</translation>
    </message>
    <message>
        <source>Flint glass F2</source>
        <translation>Verre flint F2</translation>
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
    <message>
        <source>Light at a Boundary</source>
        <translation>Lumière sur un dioptre</translation>
    </message>
    <message>
        <source>Optical Bench</source>
        <translation>Banc optique</translation>
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
    <name>lumenary::ModernWindow</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a caption before its control</comment>
        <translation>%1&#xa0;:</translation>
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
        <translation>Les images sont enregistrées en fichiers PNG, SVG ou PDF&#xa0;: terminez le nom par .png, .svg ou .pdf.</translation>
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
    <name>lumenary::PrismDeviationChart</name>
    <message>
        <source>Angle of incidence (°)</source>
        <translation>Angle d’incidence (°)</translation>
    </message>
    <message>
        <source>Deviation δ (°)</source>
        <translation>Déviation δ (°)</translation>
    </message>
    <message>
        <source>%1 line, %2 nm</source>
        <translation>raie %1, %2 nm</translation>
    </message>
    <message>
        <source>present incidence</source>
        <translation>incidence actuelle</translation>
    </message>
    <message>
        <source>minimum deviation</source>
        <translation>déviation minimale</translation>
    </message>
    <message>
        <source>deviation now</source>
        <translation>déviation actuelle</translation>
    </message>
</context>
<context>
    <name>lumenary::PrismSpectrumWindow</name>
    <message>
        <source>none in 0°–89°</source>
        <translation>aucune entre 0° et 89°</translation>
    </message>
    <message>
        <source>totally reflected</source>
        <translation>totalement réfléchie</translation>
    </message>
    <message>
        <source>Prism Spectrum</source>
        <translation>Spectre du prisme</translation>
    </message>
    <message>
        <source>White light through the prism</source>
        <translation>Lumière blanche à travers le prisme</translation>
    </message>
    <message>
        <source>Deviation against the angle of incidence</source>
        <translation>Déviation en fonction de l’angle d’incidence</translation>
    </message>
    <message>
        <source>Hide this window (Esc)</source>
        <translation>Masquer cette fenêtre (Échap)</translation>
    </message>
    <message>
        <source>Prism and light</source>
        <translation>Prisme et lumière</translation>
    </message>
    <message>
        <source>The prism&apos;s material, with its measured dispersion</source>
        <translation>Le matériau du prisme, avec sa dispersion mesurée</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Matériau</translation>
    </message>
    <message>
        <source>The angle between the two faces the light crosses</source>
        <translation>L’angle entre les deux faces que traverse la lumière</translation>
    </message>
    <message>
        <source>Apex angle</source>
        <translation>Angle du prisme</translation>
    </message>
    <message>
        <source>The angle between the incoming light and the normal to the first face</source>
        <translation>L’angle entre la lumière incidente et la normale à la première face</translation>
    </message>
    <message>
        <source>Angle of incidence</source>
        <translation>Angle d’incidence</translation>
    </message>
    <message>
        <source>How many wavelengths, spread evenly from 400 to 700 nm</source>
        <translation>Combien de longueurs d’onde, réparties régulièrement de 400 à 700 nm</translation>
    </message>
    <message>
        <source>Wavelengths (400–700 nm)</source>
        <translation>Longueurs d’onde (400–700 nm)</translation>
    </message>
    <message>
        <source>A single ray</source>
        <translation>Un seul rayon</translation>
    </message>
    <message>
        <source>A narrow parallel beam</source>
        <translation>Un faisceau parallèle étroit</translation>
    </message>
    <message>
        <source>One ray, or a narrow beam of parallel rays</source>
        <translation>Un rayon, ou un faisceau étroit de rayons parallèles</translation>
    </message>
    <message>
        <source>Beam width</source>
        <translation>Largeur du faisceau</translation>
    </message>
    <message>
        <source>Read-outs</source>
        <translation>Affichages</translation>
    </message>
    <message>
        <source>Index n_d (587.56 nm)</source>
        <translation>Indice n_d (587,56 nm)</translation>
    </message>
    <message>
        <source>Index n_F (486.13 nm)</source>
        <translation>Indice n_F (486,13 nm)</translation>
    </message>
    <message>
        <source>Index n_C (656.27 nm)</source>
        <translation>Indice n_C (656,27 nm)</translation>
    </message>
    <message>
        <source>Abbe number V_d</source>
        <translation>Nombre d’Abbe V_d</translation>
    </message>
    <message>
        <source>Deviation (d line)</source>
        <translation>Déviation (raie d)</translation>
    </message>
    <message>
        <source>Deviation (F line)</source>
        <translation>Déviation (raie F)</translation>
    </message>
    <message>
        <source>Deviation (C line)</source>
        <translation>Déviation (raie C)</translation>
    </message>
    <message>
        <source>Spread δ_F − δ_C</source>
        <translation>Écart δ_F − δ_C</translation>
    </message>
    <message>
        <source>Minimum deviation (d line)</source>
        <translation>Déviation minimale (raie d)</translation>
    </message>
    <message>
        <source>Incidence at the minimum (d line)</source>
        <translation>Incidence au minimum (raie d)</translation>
    </message>
    <message>
        <source>Spectrometer n = sin((A + δ_min)/2) / sin(A/2)</source>
        <translation>Spectromètre n = sin((A + δ_min)/2) / sin(A/2)</translation>
    </message>
    <message>
        <source>The index a spectrometer finds from the apex angle and the minimum deviation of the d line</source>
        <translation>L’indice qu’un spectromètre déduit de l’angle du prisme et de la déviation minimale de la raie d</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>A %1 prism of %2 with white light at %3 incidence, split into %4 colours from 400 to 700 nm. </source>
        <translation>Un prisme de %1 en %2, lumière blanche sous une incidence de %3, décomposée en %4 couleurs de 400 à 700 nm. </translation>
    </message>
    <message>
        <source>Every colour is totally reflected at the second face.</source>
        <translation>Toutes les couleurs subissent une réflexion totale sur la seconde face.</translation>
    </message>
    <message>
        <source>%1 colours, from violet on, are totally reflected inside; the rest leave, red deviated least.</source>
        <translation>%1 couleurs, à partir du violet, subissent une réflexion totale à l’intérieur&#xa0;; les autres sortent, le rouge le moins dévié.</translation>
    </message>
    <message>
        <source>Every colour leaves the prism, violet deviated most, red least.</source>
        <translation>Toutes les couleurs sortent du prisme, le violet le plus dévié, le rouge le moins.</translation>
    </message>
    <message>
        <source>Deviation of the F, d and C lines from 0° to 89° incidence. </source>
        <translation>Déviation des raies F, d et C pour une incidence de 0° à 89°. </translation>
    </message>
    <message>
        <source>The d line&apos;s minimum is %1 at %2 incidence.</source>
        <translation>Le minimum de la raie d est %1 pour une incidence de %2.</translation>
    </message>
    <message>
        <source>The d line has no minimum in that range.</source>
        <translation>La raie d n’a pas de minimum dans cet intervalle.</translation>
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
    <name>lumenary::RainbowColoursWindow</name>
    <message>
        <source>Rainbow Colours</source>
        <translation>Couleurs de l’arc-en-ciel</translation>
    </message>
    <message>
        <source>Hide the window; it opens again as you left it (Esc)</source>
        <translation>Masquer la fenêtre&#xa0;; elle se rouvre telle que vous l’avez laissée (Échap)</translation>
    </message>
    <message>
        <source>Deviation curves</source>
        <translation>Courbes de déviation</translation>
    </message>
    <message>
        <source>Deviation D against impact parameter b for each colour; the least deviation of each curve is its rainbow ray</source>
        <translation>Déviation D en fonction de la hauteur d’impact b pour chaque couleur&#xa0;; la déviation minimale de chaque courbe est son rayon de l’arc-en-ciel</translation>
    </message>
    <message>
        <source>Rays through the drop</source>
        <translation>Rayons à travers la goutte</translation>
    </message>
    <message>
        <source>Sunlight entering a drop, reflected inside and leaving, in each colour; the rainbow rays in bold</source>
        <translation>La lumière du soleil qui entre dans une goutte, s’y réfléchit et en sort, dans chaque couleur&#xa0;; les rayons de l’arc-en-ciel en gras</translation>
    </message>
    <message>
        <source>The sky</source>
        <translation>Le ciel</translation>
    </message>
    <message>
        <source>The bows as you see them with the sun behind you, out to 60° from the antisolar point</source>
        <translation>Les arcs tels que vous les voyez, le soleil dans le dos, jusqu’à 60° du point antisolaire</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>What the drop is made of: water, or a glass to compare</source>
        <translation>La matière de la goutte&#xa0;: de l’eau, ou un verre pour comparer</translation>
    </message>
    <message>
        <source>&amp;Liquid:</source>
        <translation>&amp;Liquide&#xa0;:</translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation>Liquide</translation>
    </message>
    <message>
        <source>1 (primary)</source>
        <translation>1 (primaire)</translation>
    </message>
    <message>
        <source>2 (secondary)</source>
        <translation>2 (secondaire)</translation>
    </message>
    <message>
        <source>Show light leaving after 1 internal reflection</source>
        <translation>Afficher la lumière qui sort après 1 réflexion interne</translation>
    </message>
    <message>
        <source>Show light leaving after %1 internal reflections</source>
        <translation>Afficher la lumière qui sort après %1 réflexions internes</translation>
    </message>
    <message>
        <source>%1 bow: light leaving after 1 reflection inside the drop</source>
        <translation>%1&#xa0;: lumière qui sort après 1 réflexion dans la goutte</translation>
    </message>
    <message>
        <source>%1 bow: light leaving after %2 reflections inside the drop</source>
        <translation>%1&#xa0;: lumière qui sort après %2 réflexions dans la goutte</translation>
    </message>
    <message>
        <source>&amp;Internal reflections:</source>
        <translation>Réflexions &amp;internes&#xa0;:</translation>
    </message>
    <message>
        <source>How many colours, evenly from 400 to 700 nm</source>
        <translation>Combien de couleurs, réparties régulièrement de 400 à 700 nm</translation>
    </message>
    <message>
        <source>&amp;Wavelengths N (400–700 nm):</source>
        <translation>&amp;Longueurs d’onde N (400–700 nm)&#xa0;:</translation>
    </message>
    <message>
        <source>Wavelengths N (400–700 nm)</source>
        <translation>Longueurs d’onde N (400–700 nm)</translation>
    </message>
    <message>
        <source>Rainbow angles from the antisolar point</source>
        <translation>Angles des arcs depuis le point antisolaire</translation>
    </message>
    <message>
        <source>%1 bow, red (700 nm)</source>
        <translation>%1, rouge (700 nm)</translation>
    </message>
    <message>
        <source>%1 bow, violet (400 nm)</source>
        <translation>%1, violet (400 nm)</translation>
    </message>
    <message>
        <source>%1 bow width</source>
        <translation>%1, largeur</translation>
    </message>
    <message>
        <source>Alexander&apos;s dark band width</source>
        <translation>Largeur de la bande sombre d’Alexandre</translation>
    </message>
    <message>
        <source>Curve minima against closed form</source>
        <translation>Minima des courbes contre formule exacte</translation>
    </message>
    <message>
        <source>The largest difference between a plotted curve&apos;s least deviation, found numerically, and the closed form cos² i = (n² − 1) / (k(k + 2))</source>
        <translation>Le plus grand écart entre la déviation minimale d’une courbe tracée, trouvée numériquement, et la formule exacte cos² i = (n² − 1) / (k(k + 2))</translation>
    </message>
    <message>
        <source>needs the primary and secondary</source>
        <translation>demande les arcs primaire et secondaire</translation>
    </message>
    <message>
        <source>The span of angles from the antisolar point that the bow&apos;s colours cover. Angles fold at 180° (straight back toward the sun) and at 0°: a bow whose colours run past a fold reaches it and turns back, so its width runs from its edge nearest the fold to the fold, not from red to violet</source>
        <translation>L’étendue des angles depuis le point antisolaire que couvrent les couleurs de l’arc. Les angles se replient à 180° (droit vers le soleil) et à 0°&#xa0;: un arc dont les couleurs dépassent un repli l’atteint et revient&#xa0;; sa largeur va alors de son bord le plus proche du repli jusqu’au repli, et non du rouge au violet</translation>
    </message>
    <message>
        <source>The secondary bow&apos;s inner edge minus the primary bow&apos;s outer edge; shown only while both bows are ticked</source>
        <translation>Bord intérieur de l’arc secondaire moins bord extérieur de l’arc primaire&#xa0;; affiché seulement quand les deux arcs sont cochés</translation>
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
    <name>lumenary::Trace</name>
    <message>
        <source>usage: lumenary-trace SCENE [--json] [--svg FILE] [--png FILE] [--size WxH]</source>
        <translation>usage&#xa0;: lumenary-trace SCÈNE [--json] [--svg FICHIER] [--png FICHIER] [--size LxH]</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>--size takes WIDTHxHEIGHT in pixels, each from 16 to 10000: %1</source>
        <translation>--size attend LARGEURxHAUTEUR en pixels, chacune de 16 à 10000&#xa0;: %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>one scene file at a time: %1</source>
        <translation>un seul fichier de scène à la fois&#xa0;: %1</translation>
    </message>
    <message>
        <source>no scene file given</source>
        <translation>aucun fichier de scène indiqué</translation>
    </message>
    <message>
        <source>Optical Bench scene</source>
        <translation>Scène du banc optique</translation>
    </message>
    <message>
        <source>read error</source>
        <translation>erreur de lecture</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1&#xa0;: lecture impossible&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: %2 paths, %3 segments; cut by max_interactions %4, min_intensity %5, max_segments %6</source>
        <translation>%1&#xa0;: %2 chemins, %3 segments&#xa0;; coupés par max_interactions %4, min_intensity %5, max_segments %6</translation>
    </message>
    <message>
        <source>%1: could not be written</source>
        <translation>%1&#xa0;: écriture impossible</translation>
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
<context>
    <name>lumenary::bench::BenchDocument</name>
    <message>
        <source>Add %1</source>
        <translation>Ajouter&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Add %n elements</source>
        <translation>
            <numerusform>Ajouter %n élément</numerusform>
            <numerusform>Ajouter %n éléments</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Supprimer&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>lumenary::bench::BenchPicture</name>
    <message>
        <source>Optical bench</source>
        <translation>Banc optique</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>Déplacer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Rotate %1</source>
        <translation>Tourner&#xa0;: %1</translation>
    </message>
    <message>
        <source>1 element; </source>
        <translation>1 élément&#xa0;; </translation>
    </message>
    <message numerus="yes">
        <source>%n elements; </source>
        <translation>
            <numerusform>%n élément&#xa0;; </numerusform>
            <numerusform>%n éléments&#xa0;; </numerusform>
        </translation>
    </message>
    <message>
        <source>Resize %1</source>
        <translation>Redimensionner&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>lumenary::bench::BenchWindow</name>
    <message>
        <source>Optical Bench</source>
        <translation>Banc optique</translation>
    </message>
    <message>
        <source>&amp;Add:</source>
        <translation>&amp;Ajouter&#xa0;:</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>Suivre</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>Exporter l’image…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open &amp;Example</source>
        <translation>Ouvrir un &amp;exemple</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>D&amp;upliquer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Tout &amp;sélectionner</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>A&amp;juster</translation>
    </message>
    <message>
        <source>Show &amp;Grid</source>
        <translation>Afficher la &amp;grille</translation>
    </message>
    <message>
        <source>E&amp;lement</source>
        <translation>É&amp;lément</translation>
    </message>
    <message>
        <source>&amp;Scene</source>
        <translation>&amp;Scène</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>%1[*] — Optical Bench</source>
        <translation>%1[*] — Banc optique</translation>
    </message>
    <message>
        <source>Not added: a scene holds at most 10000 elements.</source>
        <translation>Non ajouté&#xa0;: une scène contient au plus 10000 éléments.</translation>
    </message>
    <message>
        <source>Not added: the scene would start more than 250000 paths (rays × wavelengths).</source>
        <translation>Non ajouté&#xa0;: la scène commencerait plus de 250000 chemins (rayons × longueurs d’onde).</translation>
    </message>
    <message>
        <source>Copied the picture</source>
        <translation>Image copiée</translation>
    </message>
    <message numerus="yes">
        <source>Copied %n elements as scene text</source>
        <translation>
            <numerusform>%n élément copié comme texte de scène</numerusform>
            <numerusform>%n éléments copiés comme texte de scène</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing pasted: the clipboard holds no scene (%1)</source>
        <translation>Rien collé&#xa0;: le presse-papiers ne contient pas de scène (%1)</translation>
    </message>
    <message>
        <source>clipboard</source>
        <translation>presse-papiers</translation>
    </message>
    <message>
        <source>Nothing pasted: the scene on the clipboard has no elements</source>
        <translation>Rien collé&#xa0;: la scène du presse-papiers n’a pas d’éléments</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>Coller&#xa0;: %1</translation>
    </message>
    <message>
        <source>Duplicate %1</source>
        <translation>Dupliquer&#xa0;: %1</translation>
    </message>
    <message>
        <source>A new, empty scene</source>
        <translation>Une nouvelle scène vide</translation>
    </message>
    <message>
        <source>The scene could not be opened.

%1</source>
        <translation>La scène n’a pas pu être ouverte.

%1</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 ouvert</translation>
    </message>
    <message>
        <source>%1 (example)</source>
        <translation>%1 (exemple)</translation>
    </message>
    <message>
        <source>Opened the example %1</source>
        <translation>Exemple %1 ouvert</translation>
    </message>
    <message>
        <source>The scene could not be saved as “%1”.

%2</source>
        <translation>La scène n’a pas pu être enregistrée sous « %1 ».

%2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>Restored the scene kept on %1</source>
        <translation>Scène conservée le %1 restaurée</translation>
    </message>
    <message>
        <source>The recovery file could not be written in %1</source>
        <translation>Le fichier de récupération n’a pas pu être écrit dans %1</translation>
    </message>
    <message>
        <source>The Optical Bench&apos;s scene “%1” was not saved when Varnel Lumenary last ended; a copy was kept on %2. Restore it?</source>
        <translation>La scène « %1 » du banc optique n’était pas enregistrée à la dernière fermeture de Varnel Lumenary&#xa0;; une copie a été conservée le %2. La restaurer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>lumenary::bench::DetectorChart</name>
    <message>
        <source>Intensity along the detector</source>
        <translation>Intensité le long du détecteur</translation>
    </message>
    <message>
        <source>1 ray caught; the most light at %1 from the detector&apos;s start</source>
        <translation>1 rayon capté&#xa0;; le plus de lumière à %1 du début du détecteur</translation>
    </message>
    <message numerus="yes">
        <source>%n rays caught; the most light at %1 from the detector&apos;s start</source>
        <translation>
            <numerusform>%n rayon capté&#xa0;; le plus de lumière à %1 du début du détecteur</numerusform>
            <numerusform>%n rayons captés&#xa0;; le plus de lumière à %1 du début du détecteur</numerusform>
        </translation>
    </message>
    <message>
        <source>No light reaches the detector.</source>
        <translation>Aucune lumière n’atteint le détecteur.</translation>
    </message>
</context>
<context>
    <name>lumenary::bench::ElementPalette</name>
    <message>
        <source>Elements to add</source>
        <translation>Éléments à ajouter</translation>
    </message>
    <message>
        <source>Click an element (or press Enter) to add it in the middle of the picture, or drag it to where it belongs</source>
        <translation>Cliquez sur un élément (ou appuyez sur Entrée) pour l’ajouter au milieu de l’image, ou faites-le glisser à sa place</translation>
    </message>
    <message>
        <source>Add a %1</source>
        <translation>Ajouter&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>lumenary::bench::Examples</name>
    <message>
        <source>Achromatic doublet</source>
        <translation>Doublet achromatique</translation>
    </message>
    <message>
        <source>Kepler telescope</source>
        <translation>Lunette de Kepler</translation>
    </message>
    <message>
        <source>Optical fibre</source>
        <translation>Fibre optique</translation>
    </message>
    <message>
        <source>Parabolic and spherical mirror</source>
        <translation>Miroir parabolique et miroir sphérique</translation>
    </message>
    <message>
        <source>Prism spectrometer</source>
        <translation>Spectromètre à prisme</translation>
    </message>
    <message>
        <source>Thick lens camera</source>
        <translation>Appareil photo à lentille épaisse</translation>
    </message>
    <message>
        <source>Water drop</source>
        <translation>Goutte d’eau</translation>
    </message>
    <message>
        <source>An achromatic doublet: a converging lens of crown glass N-BK7 cemented to a weaker diverging lens of flint glass F2, which spreads the colours more. Their dispersions cancel, so the F (blue) and C (red) lines meet at the same focus, about 95.6 mm behind the last surface.</source>
        <translation>Un doublet achromatique&#xa0;: une lentille convergente en verre crown N-BK7 collée à une lentille divergente plus faible en verre flint F2, qui disperse davantage les couleurs. Leurs dispersions se compensent, si bien que les raies F (bleue) et C (rouge) se rejoignent au même foyer, à environ 95,6 mm derrière la dernière surface.</translation>
    </message>
    <message>
        <source>A Kepler telescope: an objective of 200 mm and an eyepiece of 50 mm focal length, 250 mm apart, so that parallel light leaves parallel. A beam tilted by 1 degree leaves tilted by about -4 degrees: the angular magnification is -200/50 = -4, and the detector sits in the exit pupil.</source>
        <translation>Une lunette de Kepler&#xa0;: un objectif de 200 mm et un oculaire de 50 mm de distance focale, distants de 250 mm, de sorte que la lumière parallèle ressort parallèle. Un faisceau incliné de 1 degré ressort incliné d’environ -4 degrés&#xa0;: le grossissement angulaire vaut -200/50 = -4, et le détecteur se trouve dans la pupille de sortie.</translation>
    </message>
    <message>
        <source>An optical fibre: a core of flint glass F2 inside a cladding of crown glass N-BK7, in a light-tight jacket. Light that meets the core&apos;s wall beyond the critical angle (about 69.4 degrees) is totally reflected and guided to the far end; steeper light leaks into the cladding and is lost in the jacket. The acceptance angle in air is about 34.7 degrees.</source>
        <translation>Une fibre optique&#xa0;: un cœur en verre flint F2 dans une gaine en verre crown N-BK7, sous une enveloppe opaque. La lumière qui rencontre la paroi du cœur au-delà de l’angle critique (environ 69,4 degrés) est totalement réfléchie et guidée jusqu’à l’autre extrémité&#xa0;; la lumière plus inclinée passe dans la gaine et se perd dans l’enveloppe. L’angle d’acceptance dans l’air est d’environ 34,7 degrés.</translation>
    </message>
    <message>
        <source>Two concave mirrors of the same focal length (50 mm) side by side. The parabolic mirror above sends every ray parallel to its axis through one point; the spherical mirror below focuses its edge rays short of its paraxial focus (spherical aberration), so its spot at the focal plane has a width.</source>
        <translation>Deux miroirs concaves de même distance focale (50 mm) côte à côte. Le miroir parabolique du haut envoie tout rayon parallèle à son axe par un même point&#xa0;; le miroir sphérique du bas fait converger ses rayons de bord avant son foyer paraxial (aberration sphérique), si bien que sa tache dans le plan focal a une largeur.</translation>
    </message>
    <message>
        <source>A prism spectrometer: white light enters an equilateral prism of flint glass F2 at the angle of least deviation for the yellow d line and leaves spread into its colours; violet is deviated most. The detector reads the direction of every colour.</source>
        <translation>Un spectromètre à prisme&#xa0;: la lumière blanche entre dans un prisme équilatéral en verre flint F2 sous l’angle de déviation minimale pour la raie jaune d et en ressort étalée en ses couleurs&#xa0;; le violet est le plus dévié. Le détecteur mesure la direction de chaque couleur.</translation>
    </message>
    <message>
        <source>A camera with one thick biconvex lens of crown glass N-BK7. White light from far away does not meet in one point: blue focuses nearer the lens than red (chromatic aberration), and the edge of the lens focuses nearer than its middle (spherical aberration). The sensor sits at the paraxial focus for the d line.</source>
        <translation>Un appareil photo à une seule lentille épaisse biconvexe en verre crown N-BK7. La lumière blanche venant de loin ne converge pas en un point&#xa0;: le bleu converge plus près de la lentille que le rouge (aberration chromatique), et le bord de la lentille fait converger plus près que son centre (aberration sphérique). Le capteur se trouve au foyer paraxial pour la raie d.</translation>
    </message>
    <message>
        <source>Sunlight on a drop of water. With Fresnel reflection traced, part of the light is reflected inside the drop; after one reflection inside it leaves at up to about 42 degrees from the way back to the sun, red a little further out than violet: the primary rainbow. The detector catches that light.</source>
        <translation>La lumière du soleil sur une goutte d’eau. Comme la réflexion de Fresnel est suivie, une partie de la lumière se réfléchit à l’intérieur de la goutte&#xa0;; après une réflexion intérieure, elle ressort jusqu’à environ 42 degrés de la direction opposée au soleil, le rouge un peu plus à l’extérieur que le violet&#xa0;: l’arc-en-ciel primaire. Le détecteur capte cette lumière.</translation>
    </message>
</context>
<context>
    <name>lumenary::bench::PropertyPanel</name>
    <message numerus="yes">
        <source>%n elements chosen</source>
        <translation>
            <numerusform>%n élément choisi</numerusform>
            <numerusform>%n éléments choisis</numerusform>
        </translation>
    </message>
    <message>
        <source>Drag one of them, or use the arrow keys in the picture, to move them together; [ and ] turn each about its own position.</source>
        <translation>Faites glisser l’un d’eux, ou utilisez les flèches dans l’image, pour les déplacer ensemble&#xa0;; [ et ] tournent chacun autour de sa propre position.</translation>
    </message>
    <message>
        <source>No element chosen</source>
        <translation>Aucun élément choisi</translation>
    </message>
    <message>
        <source>Click an element, or press Tab in the picture, to see and change its numbers here. Add elements from the list on the left.</source>
        <translation>Cliquez sur un élément, ou appuyez sur Tab dans l’image, pour voir et changer ses nombres ici. Ajoutez des éléments depuis la liste de gauche.</translation>
    </message>
    <message>
        <source>A name of your own for the element (saved in the file)</source>
        <translation>Un nom de votre choix pour l’élément (enregistré dans le fichier)</translation>
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
        <translation>Une longueur d’onde</translation>
    </message>
    <message>
        <source>White light</source>
        <translation>Lumière blanche</translation>
    </message>
    <message>
        <source>Light of one wavelength, or white light of many wavelengths spread evenly over 400–700 nm</source>
        <translation>Lumière d’une longueur d’onde, ou lumière blanche de nombreuses longueurs d’onde réparties sur 400–700 nm</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source> nm</source>
        <translation> nm</translation>
    </message>
    <message>
        <source>from 380 to 780 nm</source>
        <translation>de 380 à 780 nm</translation>
    </message>
    <message>
        <source>a whole number from 2 to 400</source>
        <translation>un nombre entier de 2 à 400</translation>
    </message>
    <message>
        <source>Fixed index</source>
        <translation>Indice fixe</translation>
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
        <translation>Sommet %1&#xa0;: « %2 » n’est pas un nombre.</translation>
    </message>
    <message>
        <source>Corner %1</source>
        <translation>Sommet %1</translation>
    </message>
    <message>
        <source>Read-outs</source>
        <translation>Affichages</translation>
    </message>
    <message>
        <source>F line</source>
        <translation>raie F</translation>
    </message>
    <message>
        <source>d line</source>
        <translation>raie d</translation>
    </message>
    <message>
        <source>C line</source>
        <translation>raie C</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Distance focale (mm)</translation>
    </message>
    <message>
        <source>Focal length, paraxial (mm)</source>
        <translation>Distance focale, paraxiale (mm)</translation>
    </message>
    <message>
        <source>Focal length, %1 (mm)</source>
        <translation>Distance focale, %1 (mm)</translation>
    </message>
    <message>
        <source>Back focal length, %1 (mm)</source>
        <translation>Tirage, %1 (mm)</translation>
    </message>
    <message>
        <source>Focal length from the centre, %1 (mm)</source>
        <translation>Distance focale depuis le centre, %1 (mm)</translation>
    </message>
    <message>
        <source>Rainbow angle, %1 (°)</source>
        <translation>Angle de l’arc-en-ciel, %1 (°)</translation>
    </message>
    <message>
        <source>Paths (rays × wavelengths)</source>
        <translation>Chemins (rayons × longueurs d’onde)</translation>
    </message>
    <message>
        <source>Rays caught</source>
        <translation>Rayons captés</translation>
    </message>
    <message>
        <source>Spots per wavelength</source>
        <translation>Taches par longueur d’onde</translation>
    </message>
    <message>
        <source>Wavelength (nm)</source>
        <translation>Longueur d’onde (nm)</translation>
    </message>
    <message>
        <source>Centre (mm)</source>
        <translation>Centre (mm)</translation>
    </message>
    <message>
        <source>RMS (mm)</source>
        <translation>RMS (mm)</translation>
    </message>
    <message>
        <source>Rays</source>
        <translation>Rayons</translation>
    </message>
    <message>
        <source>Not defined: the lens is afocal there.</source>
        <translation>Non définie&#xa0;: la lentille y est afocale.</translation>
    </message>
    <message>
        <source>%1 not applied: %2 %3.</source>
        <translation>%1 non appliqué&#xa0;: %2 %3.</translation>
    </message>
    <message>
        <source>%1 not applied: the scene would start more than 250000 paths (rays × wavelengths).</source>
        <translation>%1 non appliqué&#xa0;: la scène commencerait plus de 250000 chemins (rayons × longueurs d’onde).</translation>
    </message>
    <message>
        <source>Change %1 of %2</source>
        <translation>Modifier %1 de %2</translation>
    </message>
</context>
<context>
    <name>lumenary::bench::SceneText</name>
    <message>
        <source>the file holds more than %1 values</source>
        <translation>le fichier contient plus de %1 valeurs</translation>
    </message>
    <message>
        <source>arrays and objects nest deeper than %1 levels</source>
        <translation>les listes et objets s’imbriquent sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>the number %1 is too large</source>
        <translation>le nombre %1 est trop grand</translation>
    </message>
    <message>
        <source>must lie within 1000000 mm of the origin</source>
        <translation>doit se trouver à 1000000 mm au plus de l’origine</translation>
    </message>
    <message>
        <source>must be an angle between -1000000 and 1000000 degrees</source>
        <translation>doit être un angle entre -1000000 et 1000000 degrés</translation>
    </message>
    <message>
        <source>must be at least 1e-06 mm and at most 1000000 mm</source>
        <translation>doit valoir au moins 1e-06 mm et au plus 1000000 mm</translation>
    </message>
    <message>
        <source>must be a whole number from 1 to 250000</source>
        <translation>doit être un nombre entier de 1 à 250000</translation>
    </message>
    <message>
        <source>must be a refractive index from 1 to 10 or one of &quot;water&quot;, &quot;fused silica&quot;, &quot;N-BK7&quot;, &quot;F2&quot;</source>
        <translation>doit être un indice de réfraction de 1 à 10 ou l’un de &quot;water&quot;, &quot;fused silica&quot;, &quot;N-BK7&quot;, &quot;F2&quot;</translation>
    </message>
    <message>
        <source>must be a wavelength from 380 to 780 nm</source>
        <translation>doit être une longueur d’onde de 380 à 780 nm</translation>
    </message>
    <message>
        <source>must be a number of wavelengths from 2 to 400</source>
        <translation>doit être un nombre de longueurs d’onde de 2 à 400</translation>
    </message>
    <message>
        <source>must lie at least 1e-06 mm from &quot;from&quot;</source>
        <translation>doit se trouver à au moins 1e-06 mm de &quot;from&quot;</translation>
    </message>
    <message>
        <source>must be from 0 to 1000000 mm</source>
        <translation>doit valoir de 0 à 1000000 mm</translation>
    </message>
    <message>
        <source>must be from 1e-06 to 1000000 mm, or from -1000000 to -1e-06 mm for a diverging lens</source>
        <translation>doit valoir de 1e-06 à 1000000 mm, ou de -1000000 à -1e-06 mm pour une lentille divergente</translation>
    </message>
    <message>
        <source>must lie within 1000000 mm</source>
        <translation>doit rester dans 1000000 mm</translation>
    </message>
    <message>
        <source>must be 0 (flat) or at least half the aperture in size</source>
        <translation>doit valoir 0 (plan) ou au moins la moitié de l’ouverture en valeur absolue</translation>
    </message>
    <message>
        <source>is too small: the two surfaces cross inside the aperture</source>
        <translation>est trop petite&#xa0;: les deux surfaces se croisent dans l’ouverture</translation>
    </message>
    <message>
        <source>must be at least half the distance between the ends in size, and at most 1000000 mm</source>
        <translation>doit valoir en valeur absolue au moins la moitié de la distance entre les extrémités, et au plus 1000000 mm</translation>
    </message>
    <message>
        <source>must hold from 3 to 1000 corners</source>
        <translation>doit contenir de 3 à 1000 sommets</translation>
    </message>
    <message>
        <source>must make a simple polygon (edges that meet only at shared corners, none shorter than 1e-06 mm)</source>
        <translation>doit former un polygone simple (côtés qui ne se rencontrent qu’aux sommets communs, aucun plus court que 1e-06 mm)</translation>
    </message>
    <message>
        <source>must be from 0 to 1</source>
        <translation>doit valoir de 0 à 1</translation>
    </message>
    <message>
        <source>must be at most 1000 bytes long</source>
        <translation>doit faire au plus 1000 octets</translation>
    </message>
    <message>
        <source>must be a whole number from 1 to 10000000</source>
        <translation>doit être un nombre entier de 1 à 10000000</translation>
    </message>
    <message>
        <source>must be a whole number from 1 to 4000000</source>
        <translation>doit être un nombre entier de 1 à 4000000</translation>
    </message>
    <message>
        <source>must be at most 10000 bytes long</source>
        <translation>doit faire au plus 10000 octets</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>manque</translation>
    </message>
    <message>
        <source>must be a whole number from %1 to %2</source>
        <translation>doit être un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>must be a number</source>
        <translation>doit être un nombre</translation>
    </message>
    <message>
        <source>must be a finite number</source>
        <translation>doit être un nombre fini</translation>
    </message>
    <message>
        <source>must be a point [x, y]</source>
        <translation>doit être un point [x, y]</translation>
    </message>
    <message>
        <source>must be a refractive index or one of &quot;water&quot;, &quot;fused silica&quot;, &quot;N-BK7&quot;, &quot;F2&quot;</source>
        <translation>doit être un indice de réfraction ou l’un de &quot;water&quot;, &quot;fused silica&quot;, &quot;N-BK7&quot;, &quot;F2&quot;</translation>
    </message>
    <message>
        <source>cannot stand beside &quot;wavelength&quot;: give one of them</source>
        <translation>ne peut figurer à côté de &quot;wavelength&quot;&#xa0;: indiquez l’un des deux</translation>
    </message>
    <message>
        <source>must be a list of points [[x, y], ...]</source>
        <translation>doit être une liste de points [[x, y], ...]</translation>
    </message>
    <message>
        <source>is not a known element type</source>
        <translation>n’est pas un type d’élément connu</translation>
    </message>
    <message>
        <source>must be a text</source>
        <translation>doit être un texte</translation>
    </message>
    <message>
        <source>must be at most %1 bytes long</source>
        <translation>doit faire au plus %1 octets</translation>
    </message>
    <message>
        <source>must be an object {&quot;type&quot;: ...}</source>
        <translation>doit être un objet {&quot;type&quot;: ...}</translation>
    </message>
    <message>
        <source>must be a text naming the element&apos;s type</source>
        <translation>doit être un texte nommant le type de l’élément</translation>
    </message>
    <message>
        <source>names no element type: &quot;%1&quot;</source>
        <translation>ne nomme aucun type d’élément&#xa0;: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>must be &quot;lumenary-scene&quot;: this is not a scene file</source>
        <translation>doit valoir &quot;lumenary-scene&quot;&#xa0;: ce n’est pas un fichier de scène</translation>
    </message>
    <message>
        <source>must be 1</source>
        <translation>doit valoir 1</translation>
    </message>
    <message>
        <source>is %1: the file was written by a newer program, which reads version 1</source>
        <translation>vaut %1&#xa0;: le fichier a été écrit par un programme plus récent&#xa0;; celui-ci lit la version 1</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>doit valoir true ou false</translation>
    </message>
    <message>
        <source>is %1 bytes long; a scene file may hold at most %2 bytes</source>
        <translation>fait %1 octets&#xa0;; un fichier de scène peut contenir au plus %2 octets</translation>
    </message>
    <message>
        <source>a scene file holds one object {&quot;format&quot;: ...}</source>
        <translation>un fichier de scène contient un objet {&quot;format&quot;: ...}</translation>
    </message>
    <message>
        <source>must be a list of elements [{...}, ...]</source>
        <translation>doit être une liste d’éléments [{...}, ...]</translation>
    </message>
    <message>
        <source>holds %1 elements; a scene may hold at most %2</source>
        <translation>contient %1 éléments&#xa0;; une scène peut en contenir au plus %2</translation>
    </message>
    <message>
        <source>brings the scene to more than %1 rays (rays × wavelengths of every source)</source>
        <translation>porte la scène à plus de %1 rayons (rayons × longueurs d’onde de chaque source)</translation>
    </message>
    <message>
        <source>brings the scene to more than %1 corners of glass</source>
        <translation>porte la scène à plus de %1 sommets de verre</translation>
    </message>
    <message>
        <source>: element %1</source>
        <translation>&#xa0;: élément %1</translation>
    </message>
    <message>
        <source>: element %1 (&quot;%2&quot;)</source>
        <translation>&#xa0;: élément %1 (&quot;%2&quot;)</translation>
    </message>
    <message>
        <source>, key &quot;%1&quot;: </source>
        <translation>, clé &quot;%1&quot;&#xa0;: </translation>
    </message>
    <message>
        <source>: key &quot;%1&quot;: </source>
        <translation>&#xa0;: clé &quot;%1&quot;&#xa0;: </translation>
    </message>
</context>
<context>
    <name>lumenary::bench::SettingsPanel</name>
    <message>
        <source>What fills the space between the elements</source>
        <translation>Ce qui remplit l’espace entre les éléments</translation>
    </message>
    <message>
        <source>Surroundings&apos; fixed index</source>
        <translation>Indice fixe du milieu ambiant</translation>
    </message>
    <message>
        <source>Glass surfaces also reflect (Fresnel)</source>
        <translation>Les surfaces de verre réfléchissent aussi (Fresnel)</translation>
    </message>
    <message>
        <source>Trace the share of light each glass surface reflects as well as the light it lets through; the brightness of a ray shows its intensity</source>
        <translation>Suivre aussi la part de lumière que chaque surface de verre réfléchit, en plus de celle qu’elle transmet&#xa0;; la luminosité d’un rayon montre son intensité</translation>
    </message>
    <message>
        <source>A part of a ray fainter than this is not traced on (from 0 to 1; each ray starts at 1)</source>
        <translation>Une partie de rayon plus faible n’est pas suivie plus loin (de 0 à 1&#xa0;; chaque rayon part de 1)</translation>
    </message>
    <message>
        <source>Surfaces a path may meet before it is stopped (1 to 10000000)</source>
        <translation>Surfaces qu’un chemin peut rencontrer avant d’être arrêté (1 à 10000000)</translation>
    </message>
    <message>
        <source>Straight pieces the whole trace may hold (1 to 4000000)</source>
        <translation>Segments droits que tout le suivi peut contenir (1 à 4000000)</translation>
    </message>
    <message>
        <source>Turn Fresnel reflection on</source>
        <translation>Activer la réflexion de Fresnel</translation>
    </message>
    <message>
        <source>Turn Fresnel reflection off</source>
        <translation>Désactiver la réflexion de Fresnel</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Modifier&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>lumenary::boundary::BoundaryChart</name>
    <message>
        <source>Chart of the reflected and transmitted shares and the phases against the angle of incidence</source>
        <translation>Graphique des parts réfléchies et transmises et des phases en fonction de l’angle d’incidence</translation>
    </message>
    <message>
        <source>angle of incidence θ₁</source>
        <translation>angle d’incidence θ₁</translation>
    </message>
    <message>
        <source>phase of r_s and r_p (degrees)</source>
        <translation>phase de r_s et r_p (degrés)</translation>
    </message>
    <message>
        <source>unpolarised</source>
        <translation>non polarisée</translation>
    </message>
    <message>
        <source>R solid, T dashed</source>
        <translation>R trait plein, T tirets</translation>
    </message>
    <message>
        <source>equal indices: nothing is reflected</source>
        <translation>indices égaux&#xa0;: rien n’est réfléchi</translation>
    </message>
    <message>
        <source>Brewster %1°</source>
        <translation>Brewster %1°</translation>
    </message>
    <message>
        <source>critical %1°</source>
        <translation>critique %1°</translation>
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
        <source>benzene</source>
        <translation>benzène</translation>
    </message>
    <message>
        <source>typical crown glass</source>
        <translation>verre crown typique</translation>
    </message>
    <message>
        <source>sodium chloride</source>
        <translation>chlorure de sodium</translation>
    </message>
    <message>
        <source>polystyrene</source>
        <translation>polystyrène</translation>
    </message>
    <message>
        <source>heavy flint glass</source>
        <translation>verre flint lourd</translation>
    </message>
    <message>
        <source>sapphire</source>
        <translation>saphir</translation>
    </message>
    <message>
        <source>heaviest flint glass</source>
        <translation>verre flint très lourd</translation>
    </message>
    <message>
        <source>diamond</source>
        <translation>diamant</translation>
    </message>
    <message>
        <source>Water (21.5 °C, measured)</source>
        <translation>Eau (21,5 °C, mesurée)</translation>
    </message>
    <message>
        <source>water at 21.5 °C</source>
        <translation>eau à 21,5 °C</translation>
    </message>
    <message>
        <source>Fused silica</source>
        <translation>Silice fondue</translation>
    </message>
    <message>
        <source>fused silica</source>
        <translation>silice fondue</translation>
    </message>
    <message>
        <source>Crown glass N-BK7</source>
        <translation>Verre crown N-BK7</translation>
    </message>
    <message>
        <source>Flint glass F2</source>
        <translation>Verre flint F2</translation>
    </message>
</context>
<context>
    <name>lumenary::boundary::BoundaryPicture</name>
    <message>
        <source>field: E perpendicular to the plane (s)</source>
        <translation>champ&#xa0;: E perpendiculaire au plan (s)</translation>
    </message>
    <message>
        <source>field: H perpendicular to the plane (p)</source>
        <translation>champ&#xa0;: H perpendiculaire au plan (p)</translation>
    </message>
    <message>
        <source>field: the s part of unpolarised light</source>
        <translation>champ&#xa0;: la part s de la lumière non polarisée</translation>
    </message>
    <message>
        <source>Picture of the light at the boundary</source>
        <translation>Image de la lumière sur le dioptre</translation>
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
        <translation>totalement réfléchie</translation>
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
        <translation>d %1 nm (champ 1/e)</translation>
    </message>
    <message>
        <source>d %1 nm (field 1/e), beyond the picture</source>
        <translation>d %1 nm (champ 1/e), hors de l’image</translation>
    </message>
</context>
<context>
    <name>lumenary::boundary::BoundaryText</name>
    <message>
        <source>totally reflected</source>
        <translation>totalement réfléchie</translation>
    </message>
    <message>
        <source>none (equal indices)</source>
        <translation>aucun (indices égaux)</translation>
    </message>
    <message>
        <source>none (n₁ ≤ n₂)</source>
        <translation>aucun (n₁ ≤ n₂)</translation>
    </message>
    <message>
        <source>unbounded at the critical angle</source>
        <translation>infinie à l’angle critique</translation>
    </message>
    <message>
        <source>none (light is transmitted)</source>
        <translation>aucune (la lumière est transmise)</translation>
    </message>
    <message>
        <source>s-polarised light</source>
        <translation>lumière polarisée s</translation>
    </message>
    <message>
        <source>p-polarised light</source>
        <translation>lumière polarisée p</translation>
    </message>
    <message>
        <source>Unpolarised light</source>
        <translation>Lumière non polarisée</translation>
    </message>
    <message>
        <source>%1, %2 in %3 onto %4: </source>
        <translation>%1, %2 dans %3 vers %4&#xa0;: </translation>
    </message>
    <message>
        <source>%1 reflected, %2 transmitted at %3</source>
        <translation>%1 réfléchie, %2 transmise à %3</translation>
    </message>
    <message>
        <source>; waves of %1 nm in %2</source>
        <translation>&#xa0;; ondes de %1 nm dans %2</translation>
    </message>
    <message>
        <source>, an evanescent field in %1 falling to 1/e within %2 nm</source>
        <translation>, un champ évanescent dans %1 qui tombe à 1/e en %2 nm</translation>
    </message>
    <message>
        <source> and %1 nm in %2</source>
        <translation> et de %1 nm dans %2</translation>
    </message>
    <message>
        <source>Shares reflected and transmitted for s, p and unpolarised light against the angle of incidence from 0° to 90°, %1 onto %2, </source>
        <translation>Parts réfléchies et transmises pour la lumière polarisée s, p et non polarisée en fonction de l’angle d’incidence de 0° à 90°, %1 vers %2, </translation>
    </message>
    <message>
        <source>Brewster&apos;s angle at %1</source>
        <translation>angle de Brewster à %1</translation>
    </message>
    <message>
        <source>no reflection at any angle</source>
        <translation>aucune réflexion à aucun angle</translation>
    </message>
    <message>
        <source>, critical angle at %1</source>
        <translation>, angle critique à %1</translation>
    </message>
    <message>
        <source>, no critical angle</source>
        <translation>, pas d’angle critique</translation>
    </message>
    <message>
        <source>; at %1: R_s %2, R_p %3, T_s %4, T_p %5. Below, the phases of r_s and r_p: %6 and %7.</source>
        <translation>&#xa0;; à %1&#xa0;: R_s %2, R_p %3, T_s %4, T_p %5. En dessous, les phases de r_s et r_p&#xa0;: %6 et %7.</translation>
    </message>
</context>
<context>
    <name>lumenary::rainbow::DeviationPanels</name>
    <message>
        <source>Choose a number of reflections to see its curves.</source>
        <translation>Choisissez un nombre de réflexions pour voir ses courbes.</translation>
    </message>
    <message>
        <source>Impact parameter b (0 = centre, 1 = rim); + marks each curve&apos;s least deviation, the rainbow ray</source>
        <translation>Hauteur d’impact b (0 = centre, 1 = bord)&#xa0;; + marque la déviation minimale de chaque courbe, le rayon de l’arc-en-ciel</translation>
    </message>
    <message>
        <source>Deviation D (°)</source>
        <translation>Déviation D (°)</translation>
    </message>
    <message>
        <source>Deviation against impact parameter for %1</source>
        <translation>Déviation en fonction de la hauteur d’impact pour %1</translation>
    </message>
    <message>
        <source>; %1: least deviation %2 (violet) to %3 (red)</source>
        <translation>&#xa0;; %1&#xa0;: déviation minimale de %2 (violet) à %3 (rouge)</translation>
    </message>
</context>
<context>
    <name>lumenary::rainbow::DropView</name>
    <message>
        <source>Sunlight →</source>
        <translation>Soleil →</translation>
    </message>
    <message>
        <source>Bold: each colour&apos;s rainbow ray</source>
        <translation>En gras&#xa0;: le rayon de l’arc-en-ciel de chaque couleur</translation>
    </message>
    <message>
        <source>Rays of %1 through a drop</source>
        <translation>Rayons de %1 à travers une goutte</translation>
    </message>
    <message>
        <source>; %1 rainbow rays leave at %2 (red) and %3 (violet) from the antisolar point</source>
        <translation>&#xa0;; les rayons de l’arc-en-ciel (%1) sortent à %2 (rouge) et %3 (violet) du point antisolaire</translation>
    </message>
</context>
<context>
    <name>lumenary::rainbow::RainbowText</name>
    <message>
        <source>%1 colours from 400 to 700 nm</source>
        <translation>%1 couleurs de 400 à 700 nm</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Arc primaire</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Arc secondaire</translation>
    </message>
    <message>
        <source>Third-order</source>
        <translation>Arc d’ordre 3</translation>
    </message>
    <message>
        <source>Fourth-order</source>
        <translation>Arc d’ordre 4</translation>
    </message>
    <message>
        <source>Fifth-order</source>
        <translation>Arc d’ordre 5</translation>
    </message>
    <message>
        <source>primary</source>
        <translation>arc primaire</translation>
    </message>
    <message>
        <source>secondary</source>
        <translation>arc secondaire</translation>
    </message>
    <message>
        <source>third-order</source>
        <translation>arc d’ordre 3</translation>
    </message>
    <message>
        <source>fourth-order</source>
        <translation>arc d’ordre 4</translation>
    </message>
    <message>
        <source>fifth-order</source>
        <translation>arc d’ordre 5</translation>
    </message>
</context>
<context>
    <name>lumenary::rainbow::SkyView</name>
    <message>
        <source>Angle from the antisolar point (sun behind you)</source>
        <translation>Angle depuis le point antisolaire (soleil dans le dos)</translation>
    </message>
    <message>
        <source>dark band</source>
        <translation>bande sombre</translation>
    </message>
    <message>
        <source>The sky from 0° to 60° from the antisolar point</source>
        <translation>Le ciel de 0° à 60° du point antisolaire</translation>
    </message>
    <message>
        <source>; the %1 bow lies beyond it, at %2</source>
        <comment>%1: primary, secondary, …</comment>
        <translation>&#xa0;; %1&#xa0;: au-delà, à %2</translation>
    </message>
    <message>
        <source>; %1 bow from %2 to %3, red %4</source>
        <comment>%1: primary, secondary, …; %4: outside or inside</comment>
        <translation>&#xa0;; %1 de %2 à %3, rouge %4</translation>
    </message>
    <message>
        <source>outside</source>
        <translation>à l’extérieur</translation>
    </message>
    <message>
        <source>inside</source>
        <translation>à l’intérieur</translation>
    </message>
</context>
</TS>
