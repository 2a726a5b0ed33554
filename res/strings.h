// Every text the user sees, in one place. Quoted texts of the old program are kept exactly as
// they were, typing errors included, because users and their documentation know them so.
#pragma once

#include "res/strings_app.h"
#include "res/strings_cli.h"
#include "res/strings_editor.h"
#include "res/strings_form.h"
#include "res/strings_link.h"
#include "res/strings_model.h"
#include "res/strings_platform.h"
#include "res/strings_ports.h"
#include "res/strings_sim.h"
#include "res/strings_upload.h"
