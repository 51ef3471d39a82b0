-- Timesheet day cells rebuilt from both journals into an empty h_tabel: shift
-- rows per (worker, shift, month), utility rows per (worker, kind, night flag,
-- group, month). Included by the demo and benchmark data.
DO $$
DECLARE
    cells text;
    cols  text;
BEGIN
    SELECT string_agg(format('d%s', n), ', ' ORDER BY n),
           string_agg(format('sum(t) FILTER (WHERE dd = %s)', n), ', ' ORDER BY n)
      INTO cols, cells
      FROM generate_series(1, 31) n;

    EXECUTE format($q$
        INSERT INTO accounts_dep.h_tabel (w_id, smena, month, year, %s)
        SELECT w_id, smena, mm, yy, %s
          FROM (SELECT w_id, smena, extract(month FROM data)::int AS mm, extract(year FROM data)::int AS yy,
                       extract(day FROM data)::int AS dd, sum("time")::int AS t
                  FROM accounts_dep.smena
                 GROUP BY w_id, smena, data) x
         GROUP BY w_id, smena, mm, yy
         ORDER BY yy, mm, w_id, smena$q$, cols, cells);

    EXECUTE format($q$
        INSERT INTO accounts_dep.h_tabel (w_id, i_type, i_night, id_nom, month, year, %s)
        SELECT id_p, id_o, i_night, id_nom, mm, yy, %s
          FROM (SELECT id_p::int AS id_p, id_o::int AS id_o, i_night, id_nom,
                       extract(month FROM d_date)::int AS mm, extract(year FROM d_date)::int AS yy,
                       extract(day FROM d_date)::int AS dd, sum(cnt)::int AS t
                  FROM accounts_dep.fatigue
                 GROUP BY id_p, id_o, i_night, id_nom, d_date) x
         GROUP BY id_p, id_o, i_night, id_nom, mm, yy
         ORDER BY yy, mm, id_p, id_o, i_night, id_nom$q$, cols, cells);
END $$;
