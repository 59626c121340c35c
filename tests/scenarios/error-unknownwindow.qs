# A script that names a window the program does not have fails at that line.
text Fst
text Fq
echo not reached
