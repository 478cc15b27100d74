#pragma once

namespace varnik::cli {

struct ApplyContext;

// The universal converter and the list generator without their windows: the
// fields fill the window in, and the document gets what "Use" inserts.
void applyUniConverter(ApplyContext& ctx);
void applyListGenerator(ApplyContext& ctx);

} // namespace varnik::cli
