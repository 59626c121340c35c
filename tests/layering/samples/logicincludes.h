// A header of the sample logic library: allowed.
