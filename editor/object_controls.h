#pragma once
// The controls that show a screen's item (object 0) and enemies (objects 1..4).

#include <array>

namespace quelbrook {

struct ObjectControls {
  const char* destinationField;
  const char* marker;
  const char* kindField;
  const char* picture;
  const char* showBox;
};

constexpr int kItemObject = 0;
constexpr int kObjectCount = 5;

constexpr std::array<ObjectControls, kObjectCount> kObjects{{
    {"Edit3", "selit", "itemnumber", "items", "CheckBox1"},
    {"Edit5", "En1", "ene1", "Enemy1", "CheckBox2"},
    {"Edit6", "En2", "ene2", "Enemy2", "CheckBox3"},
    {"Edit7", "En3", "ene3", "Enemy3", "CheckBox4"},
    {"Edit8", "En4", "ene4", "Enemy4", "CheckBox5"},
}};

}  // namespace quelbrook
