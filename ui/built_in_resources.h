#pragma once

namespace stocks {

/// Registers the built-in skin and icons; a static library's resources are not
/// registered by themselves.
void registerBuiltInResources();

} // namespace stocks
