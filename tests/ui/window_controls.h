#pragma once

// A window's controls as a test reaches them: by their design names, which the
// windows give them as object names, and where they stand against the
// window's layout.

#include "ui/twips.h"

#include <QString>
#include <QWidget>

#include <span>
#include <string_view>

namespace tarvel::testing {

// The control of `window` with that name and kind. None is a slip in the
// test, which stops the run.
template <class Control = QWidget>
Control* Find(const QWidget& window, std::string_view name)
{
    const QString wanted = QString::fromUtf8(name.data(), qsizetype(name.size()));
    auto* control = window.findChild<Control*>(wanted);
    if (!control)
        qFatal("%s has no control %s of that kind", qPrintable(window.objectName()), qPrintable(wanted));
    return control;
}

// The first control of `layout` that does not stand at its place in
// `window`; empty when every one does.
inline QString LayoutFault(const QWidget& window, std::span<const ControlPlace> layout)
{
    for (const ControlPlace& line : layout)
        if (Find(window, line.name)->geometry() != line.place.Pixels())
            return QString::fromUtf8(line.name.data(), qsizetype(line.name.size()));
    return {};
}

} // namespace tarvel::testing
