// The window's behaviour without widgets, between the engine and the window:
// what every control and command does to the Formular. The window binds its
// widgets to these functions; dkm-rechner and the tests call them directly.
#pragma once

#include "bedienung/befehle.h"
#include "bedienung/eingabeart.h"
#include "bedienung/handler.h"
#include "bedienung/hilfe.h"
#include "bedienung/leitfaden.h"
#include "bedienung/modus.h"
#include "bedienung/neuberechnung.h"
#include "bedienung/projektstand.h"
#include "bedienung/ruecksetzen.h"
#include "bedienung/vorschau.h"
