#pragma once

#include "rainbow_colours_scene.h"

#include <QImage>
#include <QWidget>

#include <initializer_list>
#include <memory>

namespace lumenary::rainbow
{

// A picture of the scene that fills its widget and grows with it: its light (or the sky's
// colours) rendered as an image at the resolution of where it goes, with its frame, axes and
// words over it. On screen the picture is rendered once per scene and size, at the screen's
// pixels, and painted from that until either changes; into a file or onto a printer the frame
// and words stay vectors over an image of the light at kPrintDotsPerInch.
class PictureView : public QWidget
{
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);

    // Shows a new scene: renders afresh at the next paint and updates the description.
    void setScene(std::shared_ptr<const RainbowScene> scene);
    // Paints the whole picture, background included, scaled into target.
    void paintPicture(QPainter& painter, const QRectF& target) const;
    // Renders the shown pictures among views for their next paint on screen, on two threads at
    // once (each picture is rendered by one thread alone, so as it would be at its paint); each
    // is kept for that paint only.
    static void renderForScreen(std::initializer_list<PictureView*> views);

protected:
    // The light of the picture of size logical pixels, scale image pixels to each (its device
    // pixel ratio scale), the background included.
    virtual QImage renderLight(QSize size, double scale) const = 0;
    // Paints the frame, the axes and the words over it, in logical pixels.
    virtual void paintOverlay(QPainter& painter, QSize size) const = 0;
    // A short sentence about what the picture shows, for assistive technology.
    virtual QString describe() const = 0;
    const RainbowScene* scene() const { return m_scene.get(); }
    void paintEvent(QPaintEvent* event) override;

private:
    // The light with the overlay painted into it.
    QImage renderWhole(QSize size, double scale) const;

    std::shared_ptr<const RainbowScene> m_scene;
    mutable QImage m_cache; // rendered ahead for the next paint on screen
};

// The deviation D against the impact parameter b, one panel per order shown, one curve per
// colour, the least deviation of each curve marked.
class DeviationPanels final : public PictureView
{
    Q_OBJECT
public:
    explicit DeviationPanels(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {640, 300}; }

protected:
    QImage renderLight(QSize size, double scale) const override;
    void paintOverlay(QPainter& painter, QSize size) const override;
    QString describe() const override;
};

// A drop with a few rays of each colour through it and each colour's rainbow ray in bold.
class DropView final : public PictureView
{
    Q_OBJECT
public:
    explicit DropView(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {380, 340}; }

protected:
    QImage renderLight(QSize size, double scale) const override;
    void paintOverlay(QPainter& painter, QSize size) const override;
    QString describe() const override;
};

// The sky around the antisolar point out to 60°, as the observer sees it.
class SkyView final : public PictureView
{
    Q_OBJECT
public:
    explicit SkyView(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {380, 340}; }

protected:
    QImage renderLight(QSize size, double scale) const override;
    void paintOverlay(QPainter& painter, QSize size) const override;
    QString describe() const override;
};

// An angle as the window writes it: three decimals and the degree sign.
QString degreesText(double degrees);

// The name of an order in the running language: "Primary", "Secondary", "Third-order", …
QString orderName(int k);

// The same name inside a sentence: "primary", "secondary", "third-order", …
QString orderWord(int k);

} // namespace lumenary::rainbow
