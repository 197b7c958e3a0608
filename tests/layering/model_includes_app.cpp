// The model is below the main dialog: it cannot see the dialog's headers.
#include "app/veloinspect_dlg.h"
