// The report returns its outcome; it drives no control.
#include "ui/controls.h"
