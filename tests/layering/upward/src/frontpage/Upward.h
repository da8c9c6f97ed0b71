#pragma once

// An area that reaches up into the field table: the check must refuse it.
#include "app/MainState.h"
#include "text/ByteText.h"
