#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace tarvel {

// The windows' pictures, drawn as SVG in the resources and rendered at the
// screen's device pixel ratio. Names: "tarvel" (window icon), "info",
// "calcola", "cancella", "stampa" (button icons), "logo", "bntpay".
QPixmap PicturePixmap(const QString& name, QSize size);
QIcon PictureIcon(const QString& name, QSize size);

// The program's icon: the stack of coins at the usual icon sizes.
QIcon ProgramIcon();

// The icon of a window that has none: a null QIcon would fall back to the
// program's.
QIcon NoIcon();

} // namespace tarvel
