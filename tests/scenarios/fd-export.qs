# The canvas's graph saved as a file, as "Save graph as…" would.
click Fst.Command1
check Fd.Check1 1
click Fd.Command1
export Fd graph.svg
export Fd graph.pdf
export Fd graph.PNG
messages
export Fd graph.txt
export Fd missing/graph.svg
messages
file graph.txt
