#pragma once

#include <QProxyStyle>

namespace lumenary
{

// The platform's own style, except that the menu and tool bars' overflow buttons get their
// icons only when first drawn or measured. Qt makes such a button with every menu bar, and
// making its icon reads image files, which scans Qt's image-format plugins before the
// launcher's first paint; the launcher's two menu entries never overflow, so the icon is
// normally never needed.
class AppStyle final : public QProxyStyle
{
    Q_OBJECT
public:
    AppStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// The application-wide set-up main() does before any window is made: the style above and the
// default font.
void setUpApplication();

} // namespace lumenary
