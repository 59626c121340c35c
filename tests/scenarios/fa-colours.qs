# The pen colours of the frame and the three curves, by role. The window is made so small that
# its canvas has the least side, 100 twips: ten samples per curve at X = 0, 10, ..., 90.
select Fst.List1 6
click Fst.Command1
resize Fa 3000 600
scroll Fa.VScroll1 9
type Fa.Text2 1
type Fa.Text4 -1
click Fa.Command1
canvas Fa ops
echo "with the grid"
check Fa.Check1 1
click Fa.Command1
canvas Fa ops
echo "a scale of 0: the axes in their colour, the grid's colour, and no curve"
check Fa.Check1 0
type Fa.Text1 0
click Fa.Command1
messages
canvas Fa ops
