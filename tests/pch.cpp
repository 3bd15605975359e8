// Zevora tests - the translation unit that builds the shared precompiled header.
