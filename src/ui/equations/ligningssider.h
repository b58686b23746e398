#pragma once
// Puts the quadratic, two-equations and statistics pages into the main window
// in place of their placeholders, gives the frame their keys, and lets the
// statistics count show on its page-switch button.
class Tmainform;
class TMainformModel;
class TAndengrads;
class TLigninger;
class TStatistik;

void indsaetLigningssider(Tmainform& vindue, TMainformModel& ramme, TAndengrads& andengrads,
                          TLigninger& ligninger, TStatistik& statistik);
