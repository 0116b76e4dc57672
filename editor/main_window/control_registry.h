#pragma once
// Controls are addressed by the names of the window description, some by composed
// names ("Image" + n); every such lookup goes through here.

#include <QHash>
#include <QObject>
#include <QString>

#include "editor_error.h"

namespace quelbrook {

class ControlRegistry {
 public:
  void add(QObject* control) { controls_.insert(control->objectName(), control); }

  template <typename Control>
  Control* get(const QString& name) const {
    auto* control = qobject_cast<Control*>(controls_.value(name));
    if (!control) throw EditorError("Component '" + name.toStdString() + "' not found");
    return control;
  }

  template <typename Control>
  Control* get(const char* stem, int number) const {
    return get<Control>(QString::fromLatin1(stem) + QString::number(number));
  }

  bool contains(const QString& name) const { return controls_.contains(name); }
  // The control of that name, whatever its kind, or null.
  QObject* find(const QString& name) const { return controls_.value(name); }

 private:
  QHash<QString, QObject*> controls_;
};

}  // namespace quelbrook
