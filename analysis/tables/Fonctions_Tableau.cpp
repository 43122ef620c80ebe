// Level and event list lines, event texts and the list-box fills.
#include "analysis/tables/Fonctions_Tableau.h"
