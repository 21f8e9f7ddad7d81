// Matching in a general graph (Edmonds' blossoms) with ranks on the vertices: a maximum matching
// of the vertices of rank 1 and above that covers first as many of the highest rank as can be,
// then of the next, and so on. Vertices of rank 0 are a reserve: covered only where a vertex of
// rank reserve_ab or above would stay free without. Places the pi bonds of the bond perception.
#pragma once

#include <utility>
#include <vector>

struct Paarung {
  std::vector<std::vector<int>> nachbarn;  // per vertex, in the order the searches try them
  std::vector<int> partner;                // -1: unmatched
  std::vector<int> rang;
  int reserve_ab = 1;

  int knoten_anlegen(int r);         // a new vertex of rank r; its number
  void kante_anlegen(int a, int b);  // tried after the edges added before
  void gierig_paaren(int a, int b);  // matches a and b when both are free (the greedy start)
  void maximieren();                 // the matching, ranks covered best
  bool erweitern(int wurzel);        // augments from the free vertex wurzel; false: no path

 private:
  std::vector<int> vor, basis;
  int gesperrt = -1;       // a vertex the searches leave out
  bool randweise = false;  // the searches may reach the vertices of rank 0
  std::vector<char> benutzt, bluete;
  std::vector<int> schlange;
  int gemeinsame_basis(int a, int b);
  void pfad_markieren(int v, int b, int kind);
  int pfad_suchen(int wurzel);
  void umkehren(int ende);
  bool tauschen(int wurzel);
  void tauschen_alle(const std::vector<int>& reihe);
};
