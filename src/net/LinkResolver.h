#pragma once

// A relative reference read against an absolute base address as RFC 3986
// resolves one: libcurl's URL API on Linux (LinkResolverCurl.cpp), the
// system's URI objects (urlmon) on Windows (LinkResolverWin.cpp). Nothing is fetched.

#include <string>

namespace lumbrant {

// The address that the reference (relative, with a path, a query or
// both) names when read against the base; empty when the base or the
// reference cannot be read as an address.
std::string ResolveReference(const std::string& base, const std::string& reference);

} // namespace lumbrant
