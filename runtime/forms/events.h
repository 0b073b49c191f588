#pragma once
#include "runtime/forms/form_data.h"

namespace rt {

// Once the program has begun to end, no event reaches its handlers any more,
// not even from the windows that are torn down on the way out.
void SuppressEvents();

void Raise(Handler handler);
void Raise(TrayHandler handler, int code);

} // namespace rt
