// The whole platform layer of the windows and dialogs in one include.
#pragma once

#include "platform/ui/CampoNumerico.h"
#include "platform/ui/Controlli.h"
#include "platform/ui/DialoghiFile.h"
#include "platform/ui/FinestraModale.h"
#include "platform/ui/Finestre.h"
#include "platform/ui/LostFocus.h"
#include "platform/ui/MessaggiQt.h"
#include "platform/ui/Posiziona.h"
