#pragma once

#include <optional>
#include <string>
#include <string_view>

// "file:" URIs and the paths they name.

// The path of a "file:" URI, percent escapes decoded; none for another scheme or a host.
std::optional<std::string> percorso_da_uri(std::string_view uri);

// The "file:" URI of an absolute path, with the characters a URI cannot hold escaped.
std::string uri_da_percorso(std::string_view percorso);
