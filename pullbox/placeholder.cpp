// Replaced by the folder's first display-free source.
