#pragma once
#include "core/App.h"
