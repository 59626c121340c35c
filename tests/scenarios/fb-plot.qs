# Plots accumulate until New, a scale change or a resize; New, End and re-show keep the values.
select Fst.List1 1
click Fst.Command1
click Fb.Command1
canvas Fb
scroll Fb.VScroll5 -2
click Fb.Command1
canvas Fb
echo "the lists and the Grid box change nothing until the next plot"
select Fb.List1 3
select Fb.List2 1
check Fb.Check1 1
canvas Fb
click Fb.Command1
canvas Fb
echo "New clears only the canvas"
click Fb.Command2
canvas Fb
value Fb.List1
value Fb.List2
text Fb.Text5
value Fb.VScroll5
value Fb.Check1
echo "End hides the window; selecting it again shows it as it was left"
click Fb.Command1
click Fb.Command3
windows
click Fst.Command1
windows
canvas Fb
text Fb.Text5
value Fb.List1
echo "a resize clears the canvas and sizes it"
resize Fb 9280 7765
canvas Fb
resize Fb 8280 6765
canvas Fb
echo "1/x under f(x)+k: two branches, each ending at the clamp"
check Fb.Check1 0
select Fb.List1 3
select Fb.List2 0
type Fb.Text5 1
click Fb.Command1
canvas Fb
echo "the square root under f(x)+k with k = 2 runs along the axis left of 0"
click Fb.Command2
select Fb.List1 4
type Fb.Text5 2
click Fb.Command1
canvas Fb
