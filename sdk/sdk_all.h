// Everything the host/plug-in contract defines.
#pragma once
#include "host_types.h"
#include "host_errors.h"
#include "plugin_messages.h"
#include "app_suites.h"
#include "dialog_suites.h"
