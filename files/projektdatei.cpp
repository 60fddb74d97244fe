// Project file reading and writing.
