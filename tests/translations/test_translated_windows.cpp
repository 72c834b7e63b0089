// A window opened and read back in each language, the fallback to English for what has no
// translation, and the choice of language: the system's, --lang, the launcher's menu.
#include "instructions_viewer.h"
#include "language.h"
#include "language_choice.h"
#include "launcher.h"
#include "picture_export.h"
#include "plot_widget.h"
#include "window_catalog.h"
#include "window_registry.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <memory>

using namespace lumenary;

namespace
{

const QStringList kQmFolder{QStringLiteral(LUMENARY_QM_DIR)};

std::unique_ptr<QWidget> shown(QWidget* window)
{
    window->show();
    return std::unique_ptr<QWidget>(window);
}

template <typename T> T* child(const QWidget* window, const char* name)
{
    auto* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

} // namespace

class TestTranslatedWindows : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void windowReadBack_data();
    void windowReadBack();
    void exploreWindowReadBack_data();
    void exploreWindowReadBack();
    void benchWindowInSpanish();
    void missingTextsStayEnglish();
    void instructionsInTheRunningLanguage_data();
    void instructionsInTheRunningLanguage();
    void systemLanguage_data();
    void systemLanguage();
    void commandLine_data();
    void commandLine();
    void menuChoosesAndRemembers();
};

void TestTranslatedWindows::cleanup()
{
    setLanguage(QStringLiteral("en"));
    QLocale::setDefault(QLocale::c());
}

void TestTranslatedWindows::windowReadBack_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("incidence"); // Label3's caption as read, without soft hyphens
    QTest::addColumn<QString>("water");
    QTest::addColumn<QString>("said");   // the picture's description starts so
    QTest::addColumn<QString>("cancel"); // Qt's own button, from Qt's translations
    QTest::newRow("de") << "de"
                        << "Reflexion und Brechung"
                        << "Einfallswinkel"
                        << "Wasser"
                        << "Einfallender Strahl unter 63,4 Grad zum Lot"
                        << "Abbrechen";
    QTest::newRow("fr") << "fr"
                        << "Réflexion et réfraction"
                        << "Angle d’incidence"
                        << "eau"
                        << "Rayon incident à 63,4 degrés de la normale"
                        << "Annuler";
    QTest::newRow("es") << "es"
                        << "Reflexión y refracción"
                        << "Ángulo de incidencia"
                        << "agua"
                        << "Rayo incidente a 63,4 grados de la normal"
                        << "Cancelar";
}

void TestTranslatedWindows::windowReadBack()
{
    QFETCH(QString, language);
    QFETCH(QString, title);
    QFETCH(QString, incidence);
    QFETCH(QString, water);
    QFETCH(QString, said);
    QFETCH(QString, cancel);
    QLocale::setDefault(QLocale(language));
    QVERIFY(setLanguage(language, kQmFolder));
    QCOMPARE(currentLanguage(), language);
    const auto window = shown(labTable().at(5).createWindow()); // The Basics
    QCOMPARE(window->windowTitle(), title);
    QCOMPARE(withoutSoftHyphens(child<QLabel>(window.get(), "Label3")->text()), incidence);
    QCOMPARE(child<QLineEdit>(window.get(), "xval")->accessibleName(), incidence);
    QVERIFY2(child<PlotWidget>(window.get(), "plot1")->accessibleDescription().startsWith(said),
             qPrintable(child<PlotWidget>(window.get(), "plot1")->accessibleDescription()));

    // Water chosen from the translated list: its index with the locale's decimal comma.
    auto* list = child<QComboBox>(window.get(), "refraction2");
    QCOMPARE(list->itemText(2), water);
    list->setCurrentIndex(2);
    emit list->activated(2);
    QCOMPARE(child<QLineEdit>(window.get(), "n2")->text(), QStringLiteral("1,33"));

    // The copied values name the read-out as a screen reader does, without soft hyphens.
    const QString values = windowValues(window.get());
    QVERIFY2(values.contains(QLatin1Char('\n') + incidence + QLatin1Char('\t')),
             qPrintable(values));
    QVERIFY(!values.contains(QChar(QChar::SoftHyphen)));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
}

void TestTranslatedWindows::exploreWindowReadBack_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window"); // the registry's name
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("readout"); // a read-out's objectName
    QTest::addColumn<QString>("copied");  // its line in the copied values: name, tab, value
    QTest::addColumn<QString>("picture"); // a picture's objectName
    QTest::addColumn<QString>("said");    // its description starts so
    QTest::newRow("de Light at a Boundary")
        << "de"
        << "Boundary"
        << "Licht an einer Grenzfläche"
        << "index1"
        << "Brechungsindex n₁\t1,0003"
        << "boundaryPicture"
        << "Unpolarisiertes Licht, 45,0° in Luft auf N-BK7: 5,3 % reflektiert";
    QTest::newRow("fr Prism Spectrum") << "fr"
                                       << "PrismSpectrum"
                                       << "Spectre du prisme"
                                       << "indexD"
                                       << "Indice n_d (587,56 nm)\t1,51680"
                                       << "pictureView"
                                       << "Un prisme de 60,0000° en Verre crown N-BK7";
    QTest::newRow("es Rainbow Colours")
        << "es"
        << "RainbowColours"
        << "Colores del arco iris"
        << "bow1Red"
        << "Arco primario, rojo (700 nm)\t42,460°"
        << "dropView"
        << "Rayos de 40 colores de 400 a 700 nm a través de una gota; los rayos del arco iris "
           "(arco primario) salen a 42,460° (rojo)";
}

// A laid-out window in each language: its title, a read-out as the copied values name it, with
// the locale's decimal comma, and a picture described by sentences its Qt-free core builds.
void TestTranslatedWindows::exploreWindowReadBack()
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    QFETCH(QString, title);
    QFETCH(QString, readout);
    QFETCH(QString, copied);
    QFETCH(QString, picture);
    QFETCH(QString, said);
    QLocale::setDefault(QLocale(language));
    QVERIFY(setLanguage(language, kQmFolder));
    WindowRegistry registry;
    registerWindows(registry);
    QWidget* shownWindow = registry.show(window);
    QVERIFY(shownWindow);
    QCOMPARE(shownWindow->windowTitle(), title);
    QVERIFY(shownWindow->findChild<QWidget*>(readout));
    const QString values = windowValues(shownWindow);
    QVERIFY2(values.contains(QLatin1Char('\n') + copied + QLatin1Char('\n')), qPrintable(values));
    const QString description = shownWindow->findChild<QWidget*>(picture)->accessibleDescription();
    QVERIFY2(description.startsWith(said), qPrintable(description));
    shownWindow->close();
}

// The Optical Bench, empty: its title, menus and the line that says what to do, in Spanish.
void TestTranslatedWindows::benchWindowInSpanish()
{
    QLocale::setDefault(QLocale(QStringLiteral("es")));
    QVERIFY(setLanguage(QStringLiteral("es"), kQmFolder));
    WindowRegistry registry;
    registerWindows(registry);
    QWidget* bench = registry.show(QStringLiteral("OpticalBench"));
    QVERIFY(bench);
    QCOMPARE(bench->windowTitle(), QStringLiteral("Sin título[*] — Banco óptico"));
    QCOMPARE(child<QMenu>(bench, "fileMenu")->title(), QStringLiteral("&Archivo"));
    QCOMPARE(child<QLabel>(bench, "traceStatus")->text(),
             QStringLiteral("No hay luz: añade un rayo, un haz o una fuente puntual"));
    bench->close();
}

void TestTranslatedWindows::missingTextsStayEnglish()
{
    // A translation that has the Basics' Quit and nothing else: the rest reads in English.
    QVERIFY(setLanguage(QStringLiteral("de"), {QStringLiteral(LUMENARY_PARTIAL_QM_DIR)}));
    auto window = shown(labTable().at(5).createWindow());
    QCOMPARE(child<QPushButton>(window.get(), "quit")->text(), QStringLiteral("Ende"));
    QCOMPARE(child<QLabel>(window.get(), "Label3")->text(), QStringLiteral("Angle of Incidence"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Reflection and Refraction"));
    QVERIFY(child<PlotWidget>(window.get(), "plot1")
                ->accessibleDescription()
                .startsWith(QStringLiteral("Incident ray at 63.4 degrees")));

    // No translation found at all: English throughout.
    const QTemporaryDir empty;
    QVERIFY(!setLanguage(QStringLiteral("fr"), {empty.path()}));
    QCOMPARE(currentLanguage(), QStringLiteral("en"));
    window = shown(labTable().at(5).createWindow());
    QCOMPARE(child<QPushButton>(window.get(), "quit")->text(), QStringLiteral("Quit"));
}

void TestTranslatedWindows::instructionsInTheRunningLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("heading");
    QTest::newRow("en") << "en"
                        << "Getting started";
    QTest::newRow("de") << "de"
                        << "Erste Schritte";
    QTest::newRow("fr") << "fr"
                        << "Premiers pas";
    QTest::newRow("es") << "es"
                        << "Primeros pasos";
}

void TestTranslatedWindows::instructionsInTheRunningLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, heading);
    const QString assets = QStringLiteral(LUMENARY_ASSETS_DIR);
    const QString start = QDir::currentPath();
    QVERIFY(QDir::setCurrent(assets));
    QVERIFY(setLanguage(language, kQmFolder));
    const auto viewer = shown(createInstructionsViewer());
    QDir::setCurrent(start);
    QVERIFY(child<QTextEdit>(viewer.get(), "RichTextBox1")->toPlainText().contains(heading));

    // A folder with the English document alone: English, whatever the language.
    const QTemporaryDir folder;
    QVERIFY(QFile::copy(assets + QStringLiteral("/lumenary.rtf"),
                        folder.filePath(QStringLiteral("lumenary.rtf"))));
    QCOMPARE(findInstructions(language, {folder.path()}),
             std::optional<QString>(folder.filePath(QStringLiteral("lumenary.rtf"))));
}

void TestTranslatedWindows::systemLanguage_data()
{
    QTest::addColumn<QStringList>("uiLanguages"); // as Qt gives them, most preferred first
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << QStringList{"de-DE", "de"} << "de";
    QTest::newRow("Austrian German") << QStringList{"de-AT"} << "de";
    QTest::newRow("LANGUAGE fr:de") << QStringList{"fr", "de"} << "fr";
    QTest::newRow("Mexican Spanish") << QStringList{"es-MX", "es"} << "es";
    QTest::newRow("first not spoken here") << QStringList{"pt-BR", "es-ES"} << "es";
    QTest::newRow("none spoken here") << QStringList{"ja-JP", "ja"} << "en";
    QTest::newRow("C") << QStringList{"C"} << "en";
    QTest::newRow("British English") << QStringList{"en-GB", "de"} << "en";
}

void TestTranslatedWindows::systemLanguage()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, language);
    QCOMPARE(preferredLanguage(uiLanguages), language);
}

void TestTranslatedWindows::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("choice"); // empty: none
    QTest::addColumn<bool>("error");
    QTest::newRow("none") << QStringList{"lumenary"} << "" << false;
    QTest::newRow("--lang de") << QStringList{"lumenary", "--lang", "de"} << "de" << false;
    QTest::newRow("--lang=fr_FR.UTF-8")
        << QStringList{"lumenary", "--lang=fr_FR.UTF-8"} << "fr" << false;
    QTest::newRow("--lang system")
        << QStringList{"lumenary", "--lang", "System"} << "system" << false;
    QTest::newRow("unknown") << QStringList{"lumenary", "--lang", "xx"} << "" << true;
    QTest::newRow("missing") << QStringList{"lumenary", "--lang"} << "" << true;
}

void TestTranslatedWindows::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, choice);
    QFETCH(bool, error);
    QString said;
    QCOMPARE(languageArgument(arguments, &said).value_or(QString()), choice);
    QCOMPARE(!said.isEmpty(), error);
}

void TestTranslatedWindows::menuChoosesAndRemembers()
{
    const QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("lumenary.conf")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("language"), QStringLiteral("fr"));
    LanguageChoice choice(settings, kQmFolder);
    // --lang wins over the choice remembered, which wins over the system's language.
    QCOMPARE(choice.startChoice({"lumenary", "--lang", "es"}), QStringLiteral("es"));
    QCOMPARE(choice.startChoice({"lumenary"}), QStringLiteral("fr"));

    WindowRegistry registry;
    registerWindows(registry);
    Launcher launcher(registry, [](const QUrl&) {});
    choice.addMenu(launcher);
    auto* menu = launcher.findChild<QMenu*>(QStringLiteral("Language"));
    QVERIFY(menu);
    QWidget* basics = registry.show(QStringLiteral("Basics"));
    QCOMPARE(basics->windowTitle(), QStringLiteral("Reflection and Refraction"));
    basics->hide();

    // Deutsch: remembered, the launcher retranslated at once, a window opened after in German.
    child<QAction>(menu, "Language_de")->trigger();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(settings.value(QStringLiteral("language")).toString(), QStringLiteral("de"));
    QCOMPARE(child<QPushButton>(&launcher, "Plane")->text(), QStringLiteral("Ebene Spiegel"));
    QCOMPARE(child<QPushButton>(&launcher, "Plane")->accessibleName(),
             QStringLiteral("Ebene Spiegel"));
    QCOMPARE(menu->title(), QStringLiteral("Sprache"));
    QCOMPARE(registry.show(QStringLiteral("Basics"))->windowTitle(),
             QStringLiteral("Reflexion und Brechung"));

    // The system's language (English under this test's C locale).
    child<QAction>(menu, "Language_system")->trigger();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(settings.value(QStringLiteral("language")).toString(), QStringLiteral("system"));
    QVERIFY(child<QAction>(menu, "Language_system")->isChecked());
    QCOMPARE(child<QPushButton>(&launcher, "Plane")->text(), QStringLiteral("Plane Mirrors"));
    // The window still open keeps its language until it is closed.
    QCOMPARE(registry.show(QStringLiteral("Basics"))->windowTitle(),
             QStringLiteral("Reflexion und Brechung"));
}

QTEST_MAIN(TestTranslatedWindows)
#include "test_translated_windows.moc"
