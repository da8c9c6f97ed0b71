# Install layout and the Debian package: filled in by its own change.
