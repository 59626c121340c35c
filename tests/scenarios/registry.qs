# Each entry of the module list opens its own window with its own caption; "&Select" leaves the
# start window on screen beside it.
select Fst.List1 0
click Fst.Command1
windows
text Fd
select Fst.List1 1
click Fst.Command1
text Fb
select Fst.List1 2
click Fst.Command1
text Fc
select Fst.List1 "Lines and parabolas"
value Fst.List1
click Fst.Command1
text Fg
select Fst.List1 "Lines en circles"
value Fst.List1
click Fst.Command1
text Fh
select Fst.List1 5
click Fst.Command1
text Fe
select Fst.List1 "Functions  of 3rd degree"
value Fst.List1
click Fst.Command1
text Fa
select Fst.List1 7
click Fst.Command1
text Ff
windows
