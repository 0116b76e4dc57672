#pragma once
// The program's style: the platform's own, except for the arrow of a menu bar too narrow for
// its menus. The platform's style reads that arrow from a picture file, and reading the first
// picture file loads every picture plugin Qt has; each menu bar asks for it when it is made.

#include <QProxyStyle>

namespace quelbrook {

class EditorStyle : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override;
};

}  // namespace quelbrook
