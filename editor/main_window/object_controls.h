#pragma once
// The controls that show a screen's item (object 0) and enemies (objects 1..4).

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace quelbrook {

class ImageControl;

struct ObjectControls {
  QLineEdit* destinationField;
  ImageControl* marker;   // over the tiles, at the destination
  QLineEdit* kindField;   // the kind's hexadecimal code
  ImageControl* picture;  // beside the kind's step buttons
  QCheckBox* showBox;
  QPushButton* destinationDown;
  QPushButton* destinationUp;
  QPushButton* kindDown;
  QPushButton* kindUp;
};

constexpr int kItemObject = 0;
constexpr int kObjectCount = 5;

}  // namespace quelbrook
