#pragma once
// The ten node pictures of a structure tree, drawn by the program itself:
// 0 green book, 1 red book, 2 example, 3 information, 4 object, 5 method,
// 6 category, 7 open red book, 8 property, 9 other.
#include <QIcon>
#include <QString>

namespace strukturikoner {
constexpr int antal = 10;
QIcon ikon(int nr);   // an empty icon outside 0..9
QString navn(int nr); // the editor's name of the picture
} // namespace strukturikoner
